// The Trovi page of the real BrelFXOption.exe with the real monitor and the
// simulated keyboard under Wine: usage counts from the keyboard reach
// config.ini and the open page, a trophy unlocks with its sound, and the
// reset clicked on the page clears the counters in config.ini and in the
// monitor while every trophy stays. The page's window text holds the lines
// it draws; they are checked against the record as the page model shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "monitor/win32/tests/debug_output_listener.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "option/app/trovi_page/trovi_page_layout.h"
#include "option/app/trovi_page/trovi_page_model.h"
#include "option/win32/main_window_layout.h"
#include "settings/info_record.h"
#include "settings/shared_catalogue.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

using namespace std::chrono_literals;

constexpr POINT kPage{12, 124};

class TroviEndToEnd : public MonitorFolderTest {
 protected:
  void SetUp() override {
    MonitorFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    const std::string bin = TestProgramFolder();
    ASSERT_TRUE(
        CopyFileA((bin + "BrelFXOption.exe").c_str(), Path("BrelFXOption.exe").c_str(), FALSE));
    for (const char* folder : {"help", "Gif", "Wave", "Wave\\Volume"})
      CreateDirectoryA(Path(folder).c_str(), nullptr);
    CopyFileA((bin + "help\\English_help.dll").c_str(), Path("help\\English_help.dll").c_str(),
              FALSE);
    for (const char* wave : {"Trophy.wav", "Every_Trophy.wav"}) {
      const std::string name = std::string("Wave\\Volume\\") + wave;
      ASSERT_TRUE(CopyFileA((bin + name).c_str(), Path(name).c_str(), FALSE)) << name;
    }
    for (int level = 1; level <= kTrophyCount; ++level) {
      char name[16];
      wsprintfA(name, "Gif\\%02d.gif", level);
      CopyFileA((bin + name).c_str(), Path(name).c_str(), FALSE);
    }
  }

  void TearDown() override {
    if (option_ && WaitForSingleObject(option_.get(), 0) == WAIT_TIMEOUT)
      TerminateProcess(option_.get(), 1);
    MonitorFolderTest::TearDown();
  }

  InfoRecord StoredRecord() {
    InfoRecord record{};
    GetPrivateProfileStructA("Setting", "InfoData", &record, sizeof(record),
                             Path("config.ini").c_str());
    return record;
  }

  // The Trovi page: the shown page window of the option window.
  HWND ShownPage(HWND window) {
    for (HWND page = FindWindowExA(window, nullptr, "BrelFX.Page", nullptr); page;
         page = FindWindowExA(window, page, "BrelFX.Page", nullptr))
      if (IsWindowVisible(page)) return page;
    return nullptr;
  }

  static std::string TextOf(HWND window) {
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
  }

  // What the page must show for `record` two days after the first start,
  // `modeSteps` modes and `trophySteps` trophies on.
  static std::string Expected(const InfoRecord& record, int modeSteps, int trophySteps = 0) {
    TroviPageModel model;
    std::uint8_t bytes[kInfoDataSize];
    WriteInfoRecord(record, bytes);
    model.Refresh(bytes, ElapsedSpan{48, 2});
    for (int i = 0; i < modeSteps; ++i) model.NextMode();
    for (int i = 0; i < trophySteps; ++i) model.NextTrophy();
    std::string shown =
        model.TrophyNumberText() + "\n" + model.LevelText() + "\n" + model.UnlockedText();
    for (const StatisticLine& line : model.Lines()) shown += "\n" + line.text;
    return shown;
  }

  UniqueHandle option_;
};

TEST_F(TroviEndToEnd, CountsReachThePageATrophyUnlocksAndTheResetKeepsTheTrophies) {
  // Two days of use: three trophies (4, 7, 10) and counts that have not
  // reached the next mark of any chain.
  InfoRecord start{};
  for (int n = 1; n <= kCounterCount; ++n) start.Counters[n - 1] = 100 * n;
  start.Counters[18] = 600000;
  for (int thumb : {5, 6, 7}) start.Counters[thumb - 1] = 2000;
  start.Counters[14] = 2000;
  for (int trophy : {4, 7, 10}) start.Trophies[trophy - 1] = 1;
  start.LastTrophy = 10;
  ASSERT_TRUE(WritePrivateProfileStructA("Setting", "InfoData", &start, sizeof(start),
                                         Path("config.ini").c_str()));
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME file;
  SystemTimeToFileTime(&now, &file);
  ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
  ticks.QuadPart -= (48ull * 3600 + 1800) * 10000000ull;  // 48.5 hours ago
  file = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME first;
  FileTimeToSystemTime(&file, &first);
  for (auto [key, value] : {std::pair{"Year", first.wYear},
                            {"Month", first.wMonth},
                            {"Day", first.wDay},
                            {"Hour", first.wHour},
                            {"Minute", first.wMinute}})
    WritePrivateProfileStringA("StartTime", key, std::to_string(value).c_str(),
                               Path("RunsStart.ini").c_str());

  DebugOutputListener output;
  ASSERT_TRUE(output.listening());
  HANDLE monitor = StartWithKeyboard();
  ASSERT_NE(monitor, nullptr);
  output.Follow(GetProcessId(monitor));
  option_.reset(StartInFolder("BrelFXOption.exe"));
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        return (window = FindWindowA(nullptr, kOptionWindowTitle)) && IsWindowVisible(window);
      },
      20000));
  // The Trovi tab, clicked again if the window took the first click before
  // it was ready for it.
  HWND page = nullptr;
  const auto troviShown = [&] {
    return (page = ShownPage(window)) && TextOf(page).rfind("1/16", 0) == 0;
  };
  for (int click = 0; click < 3 && !troviShown(); ++click) {
    ClickAt(LayoutCentre(window, layout::kTabs[4]));
    WaitUntil(troviShown, 2000);
  }
  ASSERT_TRUE(troviShown());
  EXPECT_EQ(TextOf(page), Expected(start, 0));

  // The keyboard counts 1001 macros: trophy 1 unlocks with its sound, and
  // config.ini and the open page show it.
  ASSERT_EQ(Sim("counter 8 1001").exitCode, 0u);
  InfoRecord counted = start;
  counted.Counters[7] += 1001;
  counted.Trophies[0] = 1;
  counted.LastTrophy = 1;
  ASSERT_TRUE(WaitUntil([&] { return StoredRecord().Counters[7] == counted.Counters[7]; }, 10000));
  const InfoRecord stored = StoredRecord();
  EXPECT_EQ(std::memcmp(&stored, &counted, sizeof(stored)), 0);
  EXPECT_TRUE(WaitUntil([&] { return TextOf(page) == Expected(counted, 0); }, 5000))
      << TextOf(page);
  EXPECT_NE(TextOf(page).find("\n1801 times\n"), std::string::npos);  // counter 8: 800 + 1001
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto sounds = SoundsPlayed(output.Lines());
        return std::any_of(sounds.begin(), sounds.end(),
                           [](const std::string& s) { return s.rfind("Trophy.wav", 0) == 0; });
      },
      5000))
      << ::testing::PrintToString(output.Lines());
  // The first trophy, unlocked, with its animation playing at level 4.
  MoveMouseTo(LayoutCentre(window, "aside,300,20,10,10,", kPage));
  std::this_thread::sleep_for(500ms);  // a few frames of the animation
  SaveScreenshot("trovi-page-level-4");

  // Averages per hour: 48 whole hours since the first start.
  ClickAt(LayoutCentre(window, trovi_page::kNextMode, kPage));
  EXPECT_TRUE(WaitUntil([&] { return TextOf(page) == Expected(counted, 1); }, 3000))
      << TextOf(page);
  ClickAt(LayoutCentre(window, trovi_page::kNextTrophy, kPage));
  ClickAt(LayoutCentre(window, trovi_page::kNextTrophy, kPage));
  ClickAt(LayoutCentre(window, trovi_page::kNextTrophy, kPage));
  MoveMouseTo(LayoutCentre(window, "aside,300,20,10,10,", kPage));
  std::this_thread::sleep_for(300ms);
  SaveScreenshot("trovi-page-per-hour-trophy-4");

  // Reset from the page, confirmed: no counter left, in config.ini and in
  // the monitor (its next count starts from zero); every trophy stays.
  ClickAt(LayoutCentre(window, trovi_page::kReset, kPage));
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        question = FindWindowA("BrelFX.SkinDialog", nullptr);
        return question && IsWindowVisible(question);
      },
      5000));
  SaveScreenshot("trovi-reset-question");
  ClickAt(LayoutCentre(question, layout::kConfirmOk));
  InfoRecord reset = counted;
  std::fill(std::begin(reset.Counters), std::end(reset.Counters), 0);
  const auto isReset = [&] {
    const InfoRecord now = StoredRecord();
    return std::memcmp(&now, &reset, sizeof(reset)) == 0;
  };
  ASSERT_TRUE(WaitUntil(isReset, 5000)) << "counter 8: " << StoredRecord().Counters[7];
  EXPECT_TRUE(WaitUntil([&] { return TextOf(page) == Expected(reset, 1, 3); }, 3000))
      << TextOf(page);
  ASSERT_EQ(Sim("counter 5 7").exitCode, 0u);
  EXPECT_TRUE(WaitUntil([&] { return StoredRecord().Counters[4] == 7; }, 10000));
  const InfoRecord after = StoredRecord();
  EXPECT_EQ(after.Counters[7], 0);
  EXPECT_EQ(std::vector<int>(after.Trophies, after.Trophies + kTrophyCount),
            std::vector<int>(counted.Trophies, counted.Trophies + kTrophyCount));
  ClickAt(LayoutCentre(window, layout::kCancel));
  EXPECT_EQ(WaitForSingleObject(option_.get(), 10000), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace brelfx::test
