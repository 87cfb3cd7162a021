// The real BrelFXOption.exe with the real monitor and the simulated keyboard
// under Wine, driven as a person would: mouse clicks and hovers at the
// layout strings' positions, checked by what reached the keyboard, the files
// and the screen. Screenshots go to BRELFX_SCREENSHOTS (BMP, turned into PNG
// after the test).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "device/profile_reports.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "option/win32/main_window_layout.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"
#include "tests/support/win32/screenshot.h"

namespace brelfx::test {
namespace {

using namespace std::chrono_literals;

constexpr int kApplyHelpId = 1030;
constexpr int kGerman = 4, kJapanese = 6, kRussian = 9, kEnglish = 1;

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

POINT Centre(HWND window, const char* layoutString, POINT offset = {0, 0}) {
  int x = 0, y = 0, w = 0, h = 0;
  const char* numbers = std::strchr(layoutString, ',');
  std::sscanf(numbers, ",%d,%d,%d,%d", &x, &y, &w, &h);
  RECT frame;
  GetWindowRect(window, &frame);
  return POINT{frame.left + offset.x + x + w / 2, frame.top + offset.y + y + h / 2};
}

void MoveTo(POINT at) {
  SetCursorPos(at.x, at.y);
  mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
  std::this_thread::sleep_for(150ms);
}

void Click(POINT at) {
  MoveTo(at);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  std::this_thread::sleep_for(60ms);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  std::this_thread::sleep_for(400ms);
}

// The whole screen as a 24-bit BMP, once the window has settled.
void Screenshot(const std::string& name) {
  std::this_thread::sleep_for(500ms);
  test::SaveScreenshot(name);
}

// How blue the middle row of a control is on the screen: the selected slot
// and tab are lit in the skin's accent blue, the others are grey steel.
int Blueness(POINT centre, int halfWidth) {
  HDC screen = GetDC(nullptr);
  int sum = 0;
  for (int x = centre.x - halfWidth; x <= centre.x + halfWidth; x += 4) {
    const COLORREF pixel = GetPixel(screen, x, centre.y + 8);
    sum += GetBValue(pixel) - GetRValue(pixel);
  }
  ReleaseDC(nullptr, screen);
  return sum;
}

int OptionWindowCount() {
  int count = 0;
  EnumWindows(
      [](HWND window, LPARAM counter) -> BOOL {
        char title[128] = "";
        GetWindowTextA(window, title, sizeof(title));
        if (IsWindowVisible(window) && std::string(title) == kOptionWindowTitle)
          ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

HWND FindChild(HWND parent, const char* className) {
  return FindWindowExA(parent, nullptr, className, nullptr);
}

std::wstring WindowTextW(HWND window) {
  wchar_t text[600] = L"";
  GetWindowTextW(window, text, 600);
  return text;
}

class OptionEndToEnd : public MonitorFolderTest {
 protected:
  void SetUp() override {
    MonitorFolderTest::SetUp();
    const std::string bin = TestProgramFolder();
    ASSERT_TRUE(CopyFileA((bin + "BrelFXOption.exe").c_str(), Path("BrelFXOption.exe").c_str(), FALSE));
    CreateDirectoryA(Path("help").c_str(), nullptr);
    for (const char* name : {"English", "German", "Japanese", "Russian"}) {
      const std::string library = std::string("help\\") + name + "_help.dll";
      ASSERT_TRUE(CopyFileA((bin + library).c_str(), Path(library).c_str(), FALSE)) << library;
    }
  }

  void TearDown() override {
    for (auto& process : options_) {
      if (WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process.get(), 1);
    }
    options_.clear();
    MonitorFolderTest::TearDown();
  }

  HANDLE StartOption() {
    HANDLE process = StartInFolder("BrelFXOption.exe");
    if (process) options_.emplace_back(process);
    return process;
  }

  HWND WaitForOptionWindow() {
    HWND window = nullptr;
    WaitUntil([&] {
      window = FindWindowA(nullptr, kOptionWindowTitle);
      return window && IsWindowVisible(window);
    }, 20000);
    std::this_thread::sleep_for(1500ms);  // the pages built after the first paint
    return window;
  }

  bool CaptureHas(const std::string& text) {
    return Sim("capture").output.find(text) != std::string::npos;
  }

  // Picks a language from the popup above the language button.
  void ChooseLanguage(HWND window, int language) {
    OpenLanguages(window);
    Click(Centre(window, layout::kLanguageItems[language], {12, 570 - layout::kLanguageListRise}));
    // Gone from the program at once; without a window manager Wine takes
    // about 2 s more to take it off the screen.
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("BrelFX.PopupList", nullptr) == nullptr; }, 5000));
    std::this_thread::sleep_for(2500ms);
  }

  void OpenLanguages(HWND window) {
    Click(Centre(window, layout::kLanguage));
    EXPECT_TRUE(WaitUntil([] {
      HWND popup = FindWindowA("BrelFX.PopupList", nullptr);
      return popup && IsWindowVisible(popup);
    }, 5000));
    std::this_thread::sleep_for(300ms);
  }

  // The skinned dialog the main window opened.
  static HWND OwnedDialog(HWND window) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "BrelFX.SkinDialog", nullptr)))
      if (GetWindow(dialog, GW_OWNER) == window && IsWindowVisible(dialog)) return dialog;
    return nullptr;
  }

  std::wstring HelpLibraryText(const char* language, int id) {
    HMODULE library = LoadLibraryExA(Path(std::string("help\\") + language + "_help.dll").c_str(),
                                     nullptr, LOAD_LIBRARY_AS_DATAFILE);
    wchar_t text[250] = L"";
    LoadStringW(library, id, text, 250);
    FreeLibrary(library);
    return text;
  }

  std::vector<UniqueHandle> options_;
};

TEST_F(OptionEndToEnd, APersonSelectsAppliesFollowsTheKeyboardChangesLanguageAndCancels) {
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
      << Sim("capture").output;
  HANDLE option = StartOption();
  HWND window = WaitForOptionWindow();
  ASSERT_NE(window, nullptr);
  Screenshot("option-main");

  // A second start ends without a window of its own.
  HANDLE second = StartOption();
  ASSERT_EQ(WaitForSingleObject(second, 15000), WAIT_OBJECT_0);
  EXPECT_EQ(OptionWindowCount(), 1);

  // Slot 3, then Apply: the keyboard gets the profile select, the stamp
  // and the host state, and config.ini the new slot.
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  Click(Centre(window, layout::kSlots[2]));
  Click(Centre(window, layout::kApply));
  ASSERT_TRUE(WaitForConfig("CurrentProfile", 2));
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
      << Sim("capture").output;
  const auto sent = SentReports(Sim("capture").output);
  auto block = std::make_unique<SettingsBlock>();
  block->CurrentProfile = 2;
  const auto select = BuildProfileSelectReport(*block);
  ASSERT_GE(sent.size(), 3u) << Sim("capture").output;
  EXPECT_EQ(sent.front(), std::vector<std::uint8_t>(select.begin(), select.end()));
  EXPECT_EQ(sent[sent.size() - 2].at(0), 0x14);  // the new stamp
  EXPECT_EQ(sent.back().at(0), 0x15);           // the host state

  // The owner switches to profile 4 on the keyboard: the window follows.
  ASSERT_EQ(Sim("profile 4").exitCode, 0u);
  const POINT slot4 = Centre(window, layout::kSlots[3]);
  const POINT slot3 = Centre(window, layout::kSlots[2]);
  EXPECT_TRUE(WaitUntil([&] { return Blueness(slot4, 60) > Blueness(slot3, 60) + 200; }, 10000))
      << "slot 4 " << Blueness(slot4, 60) << ", slot 3 " << Blueness(slot3, 60);

  // Every tab shows its page.
  const char* tabNames[] = {"main", "zonix", "media", "advanced", "trovi", "update"};
  for (int tab = 5; tab >= 0; --tab) {
    Click(Centre(window, layout::kTabs[tab]));
    Screenshot(std::string("option-tab-") + tabNames[tab]);
  }

  // German: hovering Apply shows the German help text.
  OpenLanguages(window);
  Screenshot("option-language-popup");
  Click(Centre(window, layout::kLanguageItems[kGerman], {12, 570 - layout::kLanguageListRise}));
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("BrelFX.PopupList", nullptr) == nullptr; }, 5000));
  MoveTo(Centre(window, layout::kOk));
  MoveTo(Centre(window, layout::kApply));
  HWND helpArea = FindChild(window, "BrelFX.HelpArea");
  const std::wstring german = HelpLibraryText("German", kApplyHelpId);
  ASSERT_FALSE(german.empty());
  EXPECT_TRUE(WaitUntil([&] { return WindowTextW(helpArea) == german; }, 5000));
  EXPECT_NE(german, HelpLibraryText("English", kApplyHelpId));

  for (auto [language, name] : {std::pair{kJapanese, "japanese"}, {kRussian, "russian"}}) {
    ChooseLanguage(window, language);
    MoveTo(Centre(window, layout::kOk));
    MoveTo(Centre(window, layout::kApply));
    Screenshot(std::string("option-") + name);
  }
  ChooseLanguage(window, kEnglish);

  // The profile edit dialog, closed with its CANCEL.
  Click(Centre(window, layout::kEdit));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = OwnedDialog(window)) != nullptr; }, 5000));
  Screenshot("option-profile-edit");
  Click(Centre(dialog, "BUTTON_CANCEL,78,310,100,26,"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
  std::this_thread::sleep_for(2500ms);

  // Cancel after edits: files and keyboard stay as they were.
  const std::string config = ReadFile(Path("config.ini"));
  const std::string profile = ReadFile(Path("config\\Default0.tkp"));
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  Click(Centre(window, layout::kSlots[0]));
  ChooseLanguage(window, kGerman);
  Click(Centre(window, layout::kCancel));
  ASSERT_EQ(WaitForSingleObject(option, 10000), WAIT_OBJECT_0);
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(ReadFile(Path("config.ini")), config);
  EXPECT_EQ(ReadFile(Path("config\\Default0.tkp")), profile);
  EXPECT_TRUE(SentReports(Sim("capture").output).empty()) << Sim("capture").output;
}

}  // namespace
}  // namespace brelfx::test
