// Starting a media player from what its installer noted in the machine's
// registry, as the player key (item 0x20) does.
#include "monitor/desktop/player_paths.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "monitor/desktop/media_keys.h"
#include "monitor/tests/monitor_fakes.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

constexpr char kVlcKey[] = "SOFTWARE\\Classes\\Applications\\vlc.exe\\shell\\open\\command";
constexpr char kWinampKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
constexpr char kIcyKey[] = "SOFTWARE\\Classes\\ICY\\shell\\open\\command";
constexpr char kITunesKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
constexpr char kWmpKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";

// Machine values by "key|value"; %ProgramFiles% expands.
class FakeMachineRegistry final : public Registry {
 public:
  std::optional<std::string> ReadUserString(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  bool WriteUserString(std::string_view, std::string_view, std::string_view) override {
    return false;
  }
  std::optional<std::string> ReadMachineString(std::string_view key,
                                               std::string_view value) override {
    const auto found = values.find(std::string(key) + "|" + std::string(value));
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  std::string ExpandEnvironment(std::string_view text) override {
    std::string expanded(text);
    const std::string name = "%ProgramFiles%";
    if (const std::size_t at = expanded.find(name); at != std::string::npos)
      expanded.replace(at, name.size(), "C:\\Program Files");
    return expanded;
  }
  std::map<std::string, std::string> values;
};

class PlayerPaths : public ::testing::Test {
 protected:
  void Set(const char* key, const char* value, const char* text) {
    registry.values[std::string(key) + "|" + value] = text;
  }
  std::string Path(MediaPlayer player) { return InstalledPlayerPath(player, registry); }
  FakeMachineRegistry registry;
};

TEST_F(PlayerPaths, VlcTakesTheQuotedProgramOrTheTextBeforeStarted) {
  Set(kVlcKey, "", "\"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe\" --started-from-file \"%1\"");
  EXPECT_EQ(Path(MediaPlayer::kVlc), "C:\\Program Files\\VideoLAN\\VLC\\vlc.exe");
  Set(kVlcKey, "", "C:\\VLC\\vlc.exe --started-from-file %1");
  EXPECT_EQ(Path(MediaPlayer::kVlc), "C:\\VLC\\vlc.exe ");
  Set(kVlcKey, "", "C:\\VLC\\VLC.EXE %1");
  EXPECT_EQ(Path(MediaPlayer::kVlc), "C:\\VLC\\VLC.EXE %1");
  Set(kVlcKey, "", "\"C:\\Players\\movies.exe\" %1");  // not VLC's
  EXPECT_EQ(Path(MediaPlayer::kVlc), "");
}

TEST_F(PlayerPaths, WinampFallsBackToTheStreamHandlerWhenItsTextIsShort) {
  Set(kWinampKey, "", "\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\"");
  Set(kIcyKey, "", "C:\\Other\\Winamp.exe %1");
  EXPECT_EQ(Path(MediaPlayer::kWinamp), "C:\\Program Files\\Winamp\\winamp.exe");
  Set(kWinampKey, "", "C:\\Winamp\\winamp.exe \"%1\"");  // program unquoted, argument quoted
  EXPECT_EQ(Path(MediaPlayer::kWinamp), "C:\\Winamp\\winamp.exe");
  Set(kWinampKey, "", "wa.exe %1");  // nine characters
  EXPECT_EQ(Path(MediaPlayer::kWinamp), "C:\\Other\\Winamp.exe %1");
  registry.values.erase(std::string(kWinampKey) + "|");
  EXPECT_EQ(Path(MediaPlayer::kWinamp), "C:\\Other\\Winamp.exe %1");
  registry.values.clear();
  EXPECT_EQ(Path(MediaPlayer::kWinamp), "");
}

TEST_F(PlayerPaths, ITunesAndWindowsMediaPlayer) {
  Set(kITunesKey, "path", "C:\\Program Files\\ITUNES\\iTunes.exe");
  EXPECT_EQ(Path(MediaPlayer::kITunes), "C:\\Program Files\\ITUNES\\iTunes.exe");
  Set(kITunesKey, "path", "C:\\Program Files\\Music\\music.exe");
  EXPECT_EQ(Path(MediaPlayer::kITunes), "");
  Set(kWmpKey, "", "%ProgramFiles%\\Windows Media Player\\wmplayer.exe");
  EXPECT_EQ(Path(MediaPlayer::kWindowsMediaPlayer),
            "C:\\Program Files\\Windows Media Player\\wmplayer.exe");
}

// The player key runs what the registry names, and activates a running
// Windows Media Player instead of starting a second one.
TEST_F(PlayerPaths, PlayerKeyStartsTheInstalledPlayerOnce) {
  Set(kVlcKey, "", "\"C:\\VLC\\vlc.exe\" %1");
  Set(kWmpKey, "", "C:\\WMP\\wmplayer.exe");
  auto settings = std::make_unique<SettingsBlock>();
  settings->CurrentProfile = 0;
  test::FakeDesktop desktop;
  test::EventLog log;
  test::FakeShell shell{log};
  test::VirtualClock clock;
  struct NoWindows final : DesktopWindows {
    WindowId FindByClass(const char*, const char*) override { return 0; }
    WindowId Next(WindowId) override { return 0; }
    std::string ClassName(WindowId) override { return {}; }
    std::string Title(WindowId) override { return {}; }
    void BringToForeground(WindowId window) override { raised = window; }
    WindowId raised = 0;
  } windows;
  MediaKeys keys{*settings, MediaKeyServices{desktop, windows, shell, registry, clock}, 0};

  settings->Profiles[0].MediaOption = 2;
  keys.OnMediaKey(0x20, 0);
  keys.OnMediaKey(0x20, 1);
  settings->Profiles[0].MediaOption = 0;
  keys.OnMediaKey(0x20, 0);
  const WindowId wmp =
      desktop.AddWindow("Windows Media Player",
                        [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  keys.OnMediaKey(0x20, 0);

  EXPECT_EQ(log.entries(),
            (std::vector<std::string>{"run C:\\VLC\\vlc.exe", "run C:\\WMP\\wmplayer.exe"}));
  EXPECT_EQ(windows.raised, wmp);
}

}  // namespace
}  // namespace brelfx
