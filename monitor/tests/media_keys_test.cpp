// The media keys against stand-in player windows on a fake desktop: which
// messages reach which window, in order, with which lParam, and when.
#include "monitor/desktop/media_keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/tests/monitor_fakes.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using test::FakeDesktop;

// Top-level windows in z-order, each with its class and title.
class FakeDesktopWindows final : public DesktopWindows {
 public:
  explicit FakeDesktopWindows(FakeDesktop& desktop) : desktop_(desktop) {}
  WindowId Add(const std::string& className, const std::string& title) {
    const WindowId id = desktop_.AddWindow(
        title, [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
    windows_.push_back({id, className, title});
    return id;
  }
  WindowId FindByClass(const char* className, const char* title) override {
    for (const Entry& w : windows_)
      if (w.className == className && (title == nullptr || w.title == title)) return w.id;
    return 0;
  }
  WindowId Next(WindowId window) override {
    for (std::size_t i = 0; i + 1 < windows_.size(); ++i)
      if (windows_[i].id == window) return windows_[i + 1].id;
    return 0;
  }
  std::string ClassName(WindowId window) override { return Find(window).className; }
  std::string Title(WindowId window) override { return Find(window).title; }
  void BringToForeground(WindowId window) override { raised.push_back(window); }

  std::vector<WindowId> raised;

 private:
  struct Entry {
    WindowId id;
    std::string className;
    std::string title;
  };
  const Entry& Find(WindowId window) const {
    for (const Entry& w : windows_)
      if (w.id == window) return w;
    static const Entry none{};
    return none;
  }
  FakeDesktop& desktop_;
  std::vector<Entry> windows_;
};

struct Message {
  WindowId window;
  unsigned int message;
  std::uintptr_t wParam;
  std::uint32_t lParam;
  bool sent;
  bool operator==(const Message&) const = default;
};

void PrintTo(const Message& m, std::ostream* out) {
  *out << std::hex << "{window " << m.window << ", msg " << m.message << ", w " << m.wParam
       << ", l " << m.lParam << (m.sent ? ", sent}" : ", posted}");
}

class MediaKeysTest : public ::testing::Test {
 protected:
  MediaKeysTest() {
    settings->CurrentProfile = 1;
    // Every player runs, with look-alikes around them.
    windows.Add("QWidget", "Qt tool window");
    windows.Add("Notepad", "VLC notes - Notepad");
    vlc = windows.Add("QWidget", "Holiday.mp4 - VLC media player");
    itunes = windows.Add("iTunes", "iTunes");
    winamp = windows.Add("Winamp v1.x", "1. Track - Winamp");
  }
  void Press(int player, int item) {
    settings->Profiles[1].MediaOption = player;
    keys.OnMediaKey(item, 0);
  }
  std::vector<Message> Received() {
    std::vector<Message> received;
    for (const FakeDesktop::Message& m : desktop.log)
      received.push_back(
          {m.window, m.message, m.wParam, static_cast<std::uint32_t>(m.lParam), m.sent});
    desktop.log.clear();
    return received;
  }

  std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
  FakeDesktop desktop;
  FakeDesktopWindows windows{desktop};
  test::EventLog log;
  test::FakeShell shell{log};
  test::VirtualClock clock;
  WindowId ownWindow = desktop.AddWindow(
      "monitor", [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  WindowId vlc = 0, itunes = 0, winamp = 0;
  MediaKeys keys{*settings, MediaKeyServices{desktop, windows, shell, NoRegistry(), clock}, ownWindow};
};

// The key messages the players would get from the keyboard itself.
TEST_F(MediaKeysTest, ITunesGetsControlArrowsSentAndSpacePosted) {
  Press(1, 0x21);
  EXPECT_EQ(Received(), (std::vector<Message>{{itunes, 0x100, 0x11, 0x001D0001, true},
                                              {itunes, 0x100, 0x27, 0x014D0001, true},
                                              {itunes, 0x101, 0x27, 0xC14D0001, true},
                                              {itunes, 0x101, 0x11, 0xC01D0001, true}}));
  EXPECT_EQ(clock.NowMs(), 300);

  Press(1, 0x22);
  EXPECT_EQ(Received()[1], (Message{itunes, 0x100, 0x25, 0x014B0001, true}));

  for (int item : {0x23, 0x24}) {
    Press(1, item);
    EXPECT_EQ(Received(), (std::vector<Message>{{itunes, 0x100, 0x20, 0x00390001, false},
                                                {itunes, 0x101, 0x20, 0xC0390001, false}}));
  }
}

TEST_F(MediaKeysTest, VlcIsTheQWidgetWithVlcInItsTitleAndComesToTheFront) {
  const struct {
    int item;
    std::uintptr_t key;
    std::uint32_t down;
  } presses[] = {{0x21, 'N', 0x00310001},
                 {0x22, 'P', 0x00190001},
                 {0x23, ' ', 0x00390001},
                 {0x24, 'S', 0x001F0001}};
  for (const auto& press : presses) {
    const std::int64_t before = clock.NowMs();
    Press(2, press.item);
    EXPECT_EQ(Received(),
              (std::vector<Message>{{vlc, 0x100, press.key, press.down, false},
                                    {vlc, 0x101, press.key, press.down | 0xC0000000u, false}}));
    EXPECT_EQ(clock.NowMs() - before, 100);
  }
  EXPECT_EQ(windows.raised, std::vector<WindowId>(4, vlc));
}

TEST_F(MediaKeysTest, WinampPlayPauseAlternatesAndKeyUpsDoNothing) {
  for (int i = 0; i < 3; ++i) {
    Press(3, 0x23);
    keys.OnMediaKey(0x23, 1);  // its key up
  }
  Press(3, 0x21);
  Press(3, 0x22);
  Press(3, 0x24);
  const std::vector<Message> received = Received();
  std::vector<std::uintptr_t> commands;
  for (const Message& m : received) {
    EXPECT_EQ(m, (Message{winamp, 0x0111, m.wParam, 0, true}));
    commands.push_back(m.wParam);
  }
  EXPECT_EQ(commands, (std::vector<std::uintptr_t>{40045, 40046, 40045, 40048, 40044, 40047}));
}

TEST_F(MediaKeysTest, WindowsMediaPlayerGetsAppCommandsThroughTheMonitorsWindow) {
  for (int item : {0x21, 0x22, 0x23, 0x24}) Press(0, item);
  EXPECT_EQ(Received(), (std::vector<Message>{{ownWindow, 0x319, ownWindow, 11u << 16, false},
                                              {ownWindow, 0x319, ownWindow, 12u << 16, false},
                                              {ownWindow, 0x319, ownWindow, 14u << 16, false},
                                              {ownWindow, 0x319, ownWindow, 13u << 16, false}}));
}

TEST_F(MediaKeysTest, NoPlayerChosenOrNoPlayerRunningDoesNothing) {
  for (int player : {4, -1}) {
    for (int item = 0x20; item <= 0x27; ++item) Press(player, item);
  }
  FakeDesktop empty;
  FakeDesktopWindows none{empty};
  MediaKeys alone{*settings, MediaKeyServices{empty, none, shell, NoRegistry(), clock}, 0};
  for (int player : {1, 2, 3}) {
    settings->Profiles[1].MediaOption = player;
    for (int item = 0x21; item <= 0x24; ++item) alone.OnMediaKey(item, 0);
  }
  EXPECT_TRUE(Received().empty());
  EXPECT_TRUE(empty.log.empty());
  EXPECT_TRUE(log.entries().empty());
  EXPECT_EQ(clock.NowMs(), 0);
}

}  // namespace
}  // namespace brelfx
