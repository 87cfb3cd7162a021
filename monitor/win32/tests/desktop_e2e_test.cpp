// The real BrelFXMonitor.exe acting on other programs: stand-in player
// windows of this test process record what the media keys of the simulated
// keyboard make the monitor send them; a stand-in game coming to the
// foreground switches the keyboard's profile; BrelOSD.exe is started, shows
// the switch, and is closed with the monitor. One monitor session for all.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "monitor/win32/tests/monitor_folder_test.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/settings_files.h"
#include "settings/text_field.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx {
namespace {

using test::WaitUntil;

constexpr const char* kOsdTitles[] = {"Tarvek Brel FX Keyboard OSD", "Tarvek Brel FX Keyboard Pop3",
                                      "Tarvek Brel FX Keyboard CPU RAM",
                                      "Tarvek Brel FX Keyboard OSD SKYPE"};

struct Received {
  std::string player;
  UINT message;
  WPARAM wParam;
  std::uint32_t lParam;
  bool operator==(const Received&) const = default;
};

void PrintTo(const Received& r, std::ostream* out) {
  *out << r.player << std::hex << " msg " << r.message << " w " << r.wParam << " l " << r.lParam;
}

// The players' windows as the monitor looks for them, on a thread of their
// own that notes every key and command message they get.
class StandInPlayers {
 public:
  StandInPlayers() : thread_([this] { Run(); }) {
    WaitUntil([this] { return ready_.load(); }, 5000);
  }
  ~StandInPlayers() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  std::vector<Received> Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(received_, {});
  }
  std::size_t Count() {
    std::lock_guard lock(mutex_);
    return received_.size();
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_COMMAND) {
      auto* self = reinterpret_cast<StandInPlayers*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      char name[64] = "";
      GetClassNameA(window, name, sizeof(name));
      std::lock_guard lock(self->mutex_);
      self->received_.push_back({name, message, wParam, static_cast<std::uint32_t>(lParam)});
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  void Add(const char* className, const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  void Run() {
    threadId_ = GetCurrentThreadId();
    Add("iTunes", "iTunes");
    Add("QWidget", "Holiday.mp4 - VLC media player");
    Add("Winamp v1.x", "1. Track - Winamp");
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
    ready_ = true;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  }

  std::mutex mutex_;
  std::vector<Received> received_;
  std::atomic<bool> ready_{false};
  DWORD threadId_ = 0;
  std::thread thread_;
};

bool AllOsdWindows(bool exist) {
  for (const char* title : kOsdTitles)
    if ((FindWindowA(nullptr, title) != nullptr) != exist) return false;
  return true;
}

class DesktopEndToEnd : public test::MonitorFolderTest {
 protected:
  void SetUp() override {
    MonitorFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    const std::string bin = test::TestProgramFolder();
    ASSERT_TRUE(CopyFileA((bin + "BrelOSD.exe").c_str(), Path("BrelOSD.exe").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileA((bin + "e2e\\game_stand_in.exe").c_str(), Path("rift.exe").c_str(), FALSE));
    WriteProfiles();
  }

  // Profiles 1-3 drive iTunes, VLC and Winamp; profile 4 leaves the media
  // keys to the keyboard and is the profile of the game; no Windows profile.
  void WriteProfiles() {
    auto block = std::make_unique<SettingsBlock>();
    SetDefaults(*block, 0x409);
    block->WindowsProfile = -1;
    for (int i = 0; i < 4; ++i) block->Profiles[i].MediaOption = i + 1;
    SetTextField(block->Profiles[3].ProFileName, "Rift raid");
    SetTextField(block->Profiles[3].GameFile1, "  C:\\Games\\Rift\\RIFT.EXE");
    SettingsFiles files(folder_, SystemFileSystem(), NoRegistry());
    ASSERT_TRUE(files.WriteProfileFiles(*block));
    ASSERT_TRUE(IniFile(files.ConfigIniPath()).WriteInt(kSettingSection, "CurrentProfile", 0));
    ASSERT_TRUE(IniFile(files.ConfigIniPath()).WriteInt(kSettingSection, "WindowsProfile", -1));
    ASSERT_TRUE(files.WriteSettingsStamp(SettingsStamp{}));  // no read-back at the start
  }

  void Profile(int number) {
    ASSERT_EQ(Sim("profile " + std::to_string(number)).exitCode, 0u);
    ASSERT_TRUE(WaitForConfig("CurrentProfile", number - 1));
  }
  void Press(int item) { ASSERT_EQ(Sim("press " + std::to_string(item) + " media").exitCode, 0u); }
  std::vector<Received> Await(StandInPlayers& players, std::size_t count) {
    WaitUntil([&] { return players.Count() >= count; }, 5000);
    return players.Take();
  }
};

TEST_F(DesktopEndToEnd, MediaKeysGameSwitchAndTheOnScreenDisplay) {
  StandInPlayers players;
  HANDLE monitor = StartWithKeyboard();
  ASSERT_NE(monitor, nullptr);
  ASSERT_TRUE(WaitUntil([] { return AllOsdWindows(true); }, 10000)) << "BrelOSD.exe did not start";

  // iTunes: Ctrl+Right sent, then Space posted.
  Press(0x21);
  Press(0x23);
  EXPECT_EQ(Await(players, 6),
            (std::vector<Received>{{"iTunes", WM_KEYDOWN, VK_CONTROL, 0x001D0001},
                                   {"iTunes", WM_KEYDOWN, VK_RIGHT, 0x014D0001},
                                   {"iTunes", WM_KEYUP, VK_RIGHT, 0xC14D0001},
                                   {"iTunes", WM_KEYUP, VK_CONTROL, 0xC01D0001},
                                   {"iTunes", WM_KEYDOWN, VK_SPACE, 0x00390001},
                                   {"iTunes", WM_KEYUP, VK_SPACE, 0xC0390001}}));

  Profile(2);  // VLC: previous and stop
  Press(0x22);
  Press(0x24);
  EXPECT_EQ(Await(players, 4), (std::vector<Received>{{"QWidget", WM_KEYDOWN, 'P', 0x00190001},
                                                      {"QWidget", WM_KEYUP, 'P', 0xC0190001},
                                                      {"QWidget", WM_KEYDOWN, 'S', 0x001F0001},
                                                      {"QWidget", WM_KEYUP, 'S', 0xC01F0001}}));

  Profile(3);  // Winamp: play/pause pressed and released three times
  for (int i = 0; i < 3; ++i) {
    Press(0x23);
    ASSERT_EQ(Sim("release 0x23 media").exitCode, 0u);
  }
  EXPECT_EQ(Await(players, 3), (std::vector<Received>{{"Winamp v1.x", WM_COMMAND, 40045, 0},
                                                      {"Winamp v1.x", WM_COMMAND, 40046, 0},
                                                      {"Winamp v1.x", WM_COMMAND, 40045, 0}}));

  Profile(5);  // MediaOption 4 (the defaults' fifth profile has it too): no player
  Press(0x21);
  Press(0x23);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_EQ(players.Take(), std::vector<Received>{});

  // The game comes to the foreground: within one watch period the keyboard
  // is told to select profile 4; config.ini keeps the profile the user chose
  // on the keyboard (5).
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  HWND osd = FindWindowA(nullptr, kOsdTitles[0]);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(osd) == FALSE; }, 3000))
      << "the display's last notice stays";
  HANDLE game = StartInFolder("rift.exe");
  ASSERT_NE(game, nullptr);
  // The display shows the switch for two seconds.
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(osd) != FALSE; }, 6000));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_TRUE(test::SaveScreenshot("osd-profile-switch"));
  EXPECT_TRUE(WaitUntil(
      [&] { return Sim("dump").output.find("profile 4 active") != std::string::npos; }, 3000))
      << Sim("dump").output;
  EXPECT_NE(Sim("capture").output.find("set   ok   05"), std::string::npos)
      << Sim("capture").output;
  EXPECT_EQ(ConfigInt("CurrentProfile"), 4);

  PostMessageA(FindWindowA("BrelFXGameStandIn", nullptr), WM_CLOSE, 0, 0);
  PostMessageA(WaitForMonitorWindow(), WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(monitor, 15000), WAIT_OBJECT_0);
  EXPECT_TRUE(WaitUntil([] { return AllOsdWindows(false); }, 5000)) << "BrelOSD.exe still runs";
  WaitForSingleObject(game, 5000);
  CloseHandle(game);
}

}  // namespace
}  // namespace brelfx
