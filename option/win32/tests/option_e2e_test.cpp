// The real BrelFXOption.exe with the real monitor and the simulated keyboard
// under Wine, driven as a person would: mouse clicks and hovers at the
// layout strings' positions, checked by what reached the keyboard, the files
// and the screen. Screenshots go to BRELFX_SCREENSHOTS (BMP, turned into PNG
// after the test).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "device/key_layer_reports.h"
#include "device/profile_reports.h"
#include "monitor/tests/win32/input_witness_process.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "option/app/advanced_page/advanced_page_layout.h"
#include "option/app/advanced_page/key_repeat_layout.h"
#include "option/skin/layout_string.h"
#include "option/win32/main_window_layout.h"
#include "settings/macro_library.h"
#include "settings/profile_file.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

using namespace std::chrono_literals;

constexpr int kApplyHelpId = 1030;
constexpr int kGerman = 4, kJapanese = 6, kRussian = 9, kEnglish = 1;

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
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

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
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

// Types `text` on the keyboard, as a person would (US layout).
void Type(const std::string& text) {
  for (const char c : text) {
    const SHORT key = VkKeyScanA(c);
    const BYTE vk = LOBYTE(key);
    const bool shift = HIBYTE(key) & 1;
    if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  }
  std::this_thread::sleep_for(200ms);
}

void Press(BYTE vk, bool shift = false) {
  if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  std::this_thread::sleep_for(200ms);
}

// Replaces the focused field's text: Home, Shift+End, then the new text.
void TypeOver(const std::string& text) {
  Press(VK_HOME);
  Press(VK_END, true);
  Type(text);
}

HWND FindChild(HWND parent, const char* className) {
  return FindWindowExA(parent, nullptr, className, nullptr);
}

// The popup menus on the screen, left to right (a submenu opens to the right).
std::vector<HWND> OpenMenus() {
  std::vector<HWND> menus;
  HWND menu = nullptr;
  while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)))
    if (IsWindowVisible(menu)) menus.push_back(menu);
  std::sort(menus.begin(), menus.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return menus;
}

// The middle of item `index` of a menu whose items are 18 pixels high and
// separators 5: the frame is what the window has beyond the items.
POINT MenuItemCentre(HWND menu, int index, const std::string& items) {
  RECT frame;
  GetWindowRect(menu, &frame);
  const auto height = [](char c) { return c == '-' ? 5 : 18; };
  int total = 0, above = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (static_cast<int>(i) < index) above += height(items[i]);
    total += height(items[i]);
  }
  const int border = (frame.bottom - frame.top - total) / 2;
  return POINT{(frame.left + frame.right) / 2, frame.top + border + above + height(items[index]) / 2};
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
    ASSERT_TRUE(
        CopyFileA((bin + "BrelFXOption.exe").c_str(), Path("BrelFXOption.exe").c_str(), FALSE));
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
    WaitUntil(
        [&] {
          window = FindWindowA(nullptr, kOptionWindowTitle);
          return window && IsWindowVisible(window);
        },
        20000);
    std::this_thread::sleep_for(1500ms);  // the pages built after the first paint
    return window;
  }

  bool CaptureHas(const std::string& text) {
    return Sim("capture").output.find(text) != std::string::npos;
  }

  // Picks a language from the popup above the language button.
  void ChooseLanguage(HWND window, int language) {
    OpenLanguages(window);
    ClickAt(LayoutCentre(window, layout::kLanguageItems[language],
                         {12, 570 - layout::kLanguageListRise}));
    // Gone from the program at once; without a window manager Wine takes
    // about 2 s more to take it off the screen.
    EXPECT_TRUE(
        WaitUntil([] { return FindWindowA("BrelFX.PopupList", nullptr) == nullptr; }, 5000));
    std::this_thread::sleep_for(2500ms);
  }

  void OpenLanguages(HWND window) {
    ClickAt(LayoutCentre(window, layout::kLanguage));
    EXPECT_TRUE(WaitUntil(
        [] {
          HWND popup = FindWindowA("BrelFX.PopupList", nullptr);
          return popup && IsWindowVisible(popup);
        },
        5000));
    std::this_thread::sleep_for(300ms);
  }

  // The skinned dialog (or with "#32770" the system dialog) `window` opened.
  static HWND OwnedDialog(HWND window, const char* className = "BrelFX.SkinDialog") {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, className, nullptr)))
      if (GetWindow(dialog, GW_OWNER) == window && IsWindowVisible(dialog)) return dialog;
    return nullptr;
  }

  // Clicks `button` of `window`, then answers the file dialog it opens with
  // `path` typed into its file name field and Enter.
  void ChooseFile(HWND window, POINT button, const std::string& path) {
    ClickAt(button);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = OwnedDialog(window, "#32770")) != nullptr; }, 10000));
    std::this_thread::sleep_for(700ms);
    TypeOver(path);
    Press(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10000)) << path;
    std::this_thread::sleep_for(500ms);
  }

  // The slot name label of slot `slot` (0-4).
  static std::string SlotName(HWND window, int slot) {
    const POINT centre = LayoutCentre(window, layout::kSlotNames[slot]);
    char text[64] = "";
    GetWindowTextA(WindowFromPoint(centre), text, sizeof(text));
    return text;
  }

  // Opens the profile edit dialog with Edit, types `name` over the profile
  // name and ends it with OK; the dialog is left to `inspect` before OK.
  template <typename Inspect>
  void EditProfile(HWND window, const std::string& name, Inspect inspect) {
    ClickAt(LayoutCentre(window, layout::kEdit));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = OwnedDialog(window)) != nullptr; }, 5000));
    ClickAt(LayoutCentre(dialog, "EDIT_PROFILE_NAME,120,78,182,15,"));
    TypeOver(name);
    inspect(dialog);
    ClickAt(LayoutCentre(dialog, "BUTTON_OK,14,310,60,26,"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    std::this_thread::sleep_for(1500ms);
  }

  std::wstring HelpLibraryText(const char* language, int id) {
    HMODULE library = LoadLibraryExA(Path(std::string("help\\") + language + "_help.dll").c_str(),
                                     nullptr, LOAD_LIBRARY_AS_DATAFILE);
    wchar_t text[250] = L"";
    LoadStringW(library, id, text, 250);
    FreeLibrary(library);
    return text;
  }

  // The block the monitor shares, as it is now.
  static std::unique_ptr<SettingsBlock> SharedBlock() {
    auto block = std::make_unique<SettingsBlock>();
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kSharedSettingsName);
    if (!mapping) return block;
    if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(SettingsBlock))) {
      std::memcpy(block.get(), view, sizeof(SettingsBlock));
      UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return block;
  }

  // Windows' keyboard delay and speed, read with SystemParametersInfo.
  static std::pair<int, int> SystemRepeat() {
    std::pair<int, int> values{-1, -1};
    const Ran probe = RunProgram(TestProgramFolder() + "key_repeat_probe.exe", "");
    std::sscanf(probe.output.c_str(), "%d %d", &values.first, &values.second);
    return values;
  }

  // The Advanced page of slot `slot` (0-4, the active one): swatch 8 and
  // brightness 2 reach the keyboard and the slot swatch; the other colour
  // modes are shown; the key repeat dialog's sliders reach Windows and its
  // Cancel takes them back; the reset restores the keyboard's defaults.
  void DriveTheAdvancedPage(HWND window, int slot) {
    const POINT page{12, 124};
    ClickAt(LayoutCentre(window, layout::kTabs[3]));
    SaveScreenshot("option-advanced-before");
    const POINT swatch = LayoutCentre(window, layout::kSwatches[slot]);
    ASSERT_NE(ScreenPixel(swatch), RGB(255, 0, 0)) << "slot " << slot + 1 << " is red already";
    ASSERT_EQ(Sim("capture clear").exitCode, 0u);
    ClickAt(LayoutCentre(window, advanced_page::kPaletteSwatches[7], page));
    // Brightness 2 of 0-5: two fifths along the track.
    const LayoutItem track = ParseLayoutString(advanced_page::kBrightness);
    ClickAt(POINT{LayoutCentre(window, advanced_page::kBrightness, page).x - track.rect.Width() / 2 +
                    track.rect.Width() * 2 / 5,
                LayoutCentre(window, advanced_page::kBrightness, page).y});
    const POINT aside = LayoutCentre(window, "Brightness note,404,62,352,36,", page);
    MoveMouseTo(aside);
    SaveScreenshot("option-advanced-single");
    ClickAt(LayoutCentre(window, layout::kApply));
    ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
        << Sim("capture").output;
    const auto block = SharedBlock();
    const ProfileRecord& profile = block->Profiles[slot];
    EXPECT_EQ(profile.LtColorType, 0);
    EXPECT_EQ(profile.FixedLtInfo.ColorIndex, 7);
    EXPECT_EQ(profile.FixedLtInfo.Red, 255);
    EXPECT_EQ(profile.FixedLtInfo.Green + profile.FixedLtInfo.Blue, 0);
    EXPECT_EQ(profile.LtBrightness, 2);
    const auto illumination = BuildIlluminationReport(profile, slot);
    const auto sent = SentReports(Sim("capture").output);
    EXPECT_NE(std::find(sent.begin(), sent.end(),
                        std::vector<std::uint8_t>(illumination.begin(), illumination.end())),
              sent.end())
        << Sim("capture").output;
    const std::string dump = Sim("dump " + std::to_string(slot + 1)).output;
    EXPECT_NE(dump.find("colour 7 (ff 00 00), brightness 2,"), std::string::npos) << dump;
    // The slot's swatch under the slot buttons is red now.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(swatch) == RGB(255, 0, 0); }, 5000));
    SaveScreenshot("option-advanced-applied");

    // Custom mode with a colour from the spectrum: the slot swatch shows it.
    ClickAt(LayoutCentre(window, advanced_page::kColorModes[1], page));
    const LayoutItem spectrum = ParseLayoutString(advanced_page::kSpectrum);
    ClickAt(LayoutCentre(window, advanced_page::kSpectrum, {page.x - spectrum.rect.Width() / 4, page.y}));
    EXPECT_TRUE(WaitUntil([&] {
      const COLORREF pixel = ScreenPixel(swatch);
      return pixel != RGB(255, 0, 0) && pixel != RGB(0, 0, 0);
    }, 5000));
    MoveMouseTo(aside);
    SaveScreenshot("option-advanced-custom");
    ClickAt(LayoutCentre(window, advanced_page::kColorModes[2], page));
    MoveMouseTo(aside);
    SaveScreenshot("option-advanced-flow");
    ClickAt(LayoutCentre(window, advanced_page::kPaletteSwatches[7], page));

    // Key repeat: the delay slider's right end is the shortest delay (0),
    // the rate slider's left end the slowest rate (0); Cancel restores both.
    ClickAt(LayoutCentre(window, advanced_page::kKeyRepeat, page));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = OwnedDialog(window)) != nullptr; }, 5000));
    std::this_thread::sleep_for(300ms);
    const std::pair opened{profile.KBDelay, profile.KBSpeed};
    EXPECT_EQ(SystemRepeat(), opened);
    const LayoutItem delay = ParseLayoutString(key_repeat_dialog::kDelay);
    const LayoutItem rate = ParseLayoutString(key_repeat_dialog::kRate);
    ClickAt(LayoutCentre(dialog, key_repeat_dialog::kDelay, {delay.rect.Width() / 2 - 2, 0}));
    EXPECT_TRUE(WaitUntil([&] { return SystemRepeat() == std::pair{0, opened.second}; }, 3000));
    ClickAt(LayoutCentre(dialog, key_repeat_dialog::kRate, {2 - rate.rect.Width() / 2, 0}));
    EXPECT_TRUE(WaitUntil([] { return SystemRepeat() == std::pair{0, 0}; }, 3000));
    SaveScreenshot("option-key-repeat");
    ClickAt(LayoutCentre(dialog, key_repeat_dialog::kCancel));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_EQ(SystemRepeat(), opened);
    std::this_thread::sleep_for(2500ms);  // Wine takes the dialog off the screen

    // Reset, confirmed: the keyboard restores its defaults with slot 1
    // current, and the files hold the default profiles.
    ASSERT_EQ(Sim("capture clear").exitCode, 0u);
    ClickAt(LayoutCentre(window, advanced_page::kReset, page));
    ASSERT_TRUE(WaitUntil([&] { return (dialog = OwnedDialog(window)) != nullptr; }, 5000));
    SaveScreenshot("option-reset-question");
    ClickAt(LayoutCentre(dialog, layout::kConfirmOk));
    ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
        << Sim("capture").output;
    EXPECT_TRUE(CaptureHas("set   ok   11 03 04")) << Sim("capture").output;
    EXPECT_TRUE(WaitForConfig("CurrentProfile", 0));
    EXPECT_NE(Sim("dump").output.find("profile 1 (active)"), std::string::npos);
    EXPECT_EQ(SharedBlock()->Profiles[slot].FixedLtInfo.ColorIndex, 9);  // slot 4's own colour
    std::this_thread::sleep_for(2500ms);
    ClickAt(LayoutCentre(window, layout::kTabs[0]));
  }

  // Opens the function menu of a Main page key and clicks through it: the
  // item at each position, submenus by hovering. The menu is that of a
  // standard-layer key (Vexa, Talk, six submenus, a separator, nine
  // commands); `submenu` gives the items of the one opened (x an item, - a
  // separator), `subsubmenu` those of the submenu opened in it.
  void ChooseFromKeyMenu(HWND window, const char* button, std::vector<int> path,
                         const std::string& submenu = {}, const std::string& subsubmenu = {}) {
    ClickAt(LayoutCentre(window, button, {12, 124}));
    ASSERT_TRUE(WaitUntil([] { return OpenMenus().size() == 1; }, 5000));
    const std::string trees[] = {"xxxxxxxx-xxxxxxxxx", submenu, subsubmenu};
    for (std::size_t level = 0; level < path.size(); ++level) {
      const POINT item = MenuItemCentre(OpenMenus()[level], path[level], trees[level]);
      if (level + 1 == path.size()) {
        ClickAt(item);
      } else {
        MoveMouseTo(item);
        ASSERT_TRUE(WaitUntil([&] { return OpenMenus().size() == level + 2; }, 5000));
      }
    }
    ASSERT_TRUE(WaitUntil([] { return OpenMenus().empty(); }, 5000));
  }

  static std::string ButtonText(HWND window, const char* button, POINT page) {
    char text[200] = "";
    GetWindowTextA(WindowFromPoint(LayoutCentre(window, button, page)), text, sizeof(text));
    return text;
  }

  // Apply, until the keyboard has taken it (the host state comes last).
  void ApplyToKeyboard(HWND window) {
    ASSERT_EQ(Sim("capture clear").exitCode, 0u);
    ClickAt(LayoutCentre(window, layout::kApply));
    ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
        << Sim("capture").output;
  }

  // What the witness sees (and when, with `times`) while key `item` of the
  // keyboard is pressed and released and `settle` passes.
  std::vector<std::string> PlayedByKey(int item, std::chrono::milliseconds settle,
                                       std::vector<unsigned>* times = nullptr) {
    InputWitness witness;
    if (!witness.WaitReady()) return {};
    EXPECT_EQ(Sim("press " + std::to_string(item)).exitCode, 0u);
    EXPECT_EQ(Sim("release " + std::to_string(item)).exitCode, 0u);
    std::this_thread::sleep_for(settle);
    return witness.Seen(times);
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
  SaveScreenshot("option-main");

  // A second start ends without a window of its own.
  HANDLE second = StartOption();
  ASSERT_EQ(WaitForSingleObject(second, 15000), WAIT_OBJECT_0);
  EXPECT_EQ(OptionWindowCount(), 1);

  // Slot 2's windows-profile marker asks first, in the skinned dialog.
  ClickAt(LayoutCentre(window, layout::kMarkers[1]));
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = OwnedDialog(window)) != nullptr; }, 5000));
  SaveScreenshot("option-windows-profile");
  ClickAt(LayoutCentre(question, layout::kConfirmOk));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }, 5000));
  std::this_thread::sleep_for(2500ms);

  // Slot 3, then Apply: the keyboard gets the profile select, the stamp
  // and the host state, and config.ini the new slot and windows profile.
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  ClickAt(LayoutCentre(window, layout::kSlots[2]));
  ClickAt(LayoutCentre(window, layout::kApply));
  ASSERT_TRUE(WaitForConfig("CurrentProfile", 2));
  EXPECT_TRUE(WaitForConfig("WindowsProfile", 1));
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
      << Sim("capture").output;
  const auto sent = SentReports(Sim("capture").output);
  auto block = std::make_unique<SettingsBlock>();
  block->CurrentProfile = 2;
  const auto select = BuildProfileSelectReport(*block);
  ASSERT_GE(sent.size(), 3u) << Sim("capture").output;
  EXPECT_EQ(sent.front(), std::vector<std::uint8_t>(select.begin(), select.end()));
  EXPECT_EQ(sent[sent.size() - 2].at(0), 0x14);  // the new stamp
  EXPECT_EQ(sent.back().at(0), 0x15);            // the host state

  // The owner switches to profile 4 on the keyboard: the window follows.
  ASSERT_EQ(Sim("profile 4").exitCode, 0u);
  const POINT slot4 = LayoutCentre(window, layout::kSlots[3]);
  const POINT slot3 = LayoutCentre(window, layout::kSlots[2]);
  EXPECT_TRUE(WaitUntil([&] { return Blueness(slot4, 60) > Blueness(slot3, 60) + 200; }, 10000))
      << "slot 4 " << Blueness(slot4, 60) << ", slot 3 " << Blueness(slot3, 60);

  // Every tab shows its page.
  const char* tabNames[] = {"main", "zonix", "media", "advanced", "trovi", "update"};
  for (int tab = 5; tab >= 0; --tab) {
    ClickAt(LayoutCentre(window, layout::kTabs[tab]));
    SaveScreenshot(std::string("option-tab-") + tabNames[tab]);
  }

  // Main page, M1's function menu: Profile, then Profile 3; Apply sends
  // the macro key layer of the active slot and the stamp.
  const POINT page{12, 124};
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  ClickAt(LayoutCentre(window, "M1,17,102,140,18,", page));
  ASSERT_TRUE(WaitUntil([] { return OpenMenus().size() == 1; }, 5000));
  // Vexa, Talk, six submenus, a separator and nine commands.
  const std::string mainItems = "xxxxxxxx-xxxxxxxxx";
  MoveMouseTo(MenuItemCentre(OpenMenus()[0], 4, mainItems));
  ASSERT_TRUE(WaitUntil([] { return OpenMenus().size() == 2; }, 5000));
  SaveScreenshot("option-menu-profile");
  ClickAt(MenuItemCentre(OpenMenus()[1], 5, "xxxxxxxx"));
  ASSERT_TRUE(WaitUntil([] { return OpenMenus().empty(); }, 5000));
  SaveScreenshot("option-main-m1-profile3");
  ClickAt(LayoutCentre(window, layout::kApply));
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
      << Sim("capture").output;
  {
    auto applied = std::make_unique<ProfileRecord>();
    ASSERT_TRUE(ReadProfileFile(SystemFileSystem(), Path("config\\Default3.tkp"), *applied));
    EXPECT_EQ(applied->MacroKeyInfo[0].FunctionCode, 181);  // Profile 3
    const auto layer = BuildKeyLayerReport(kMacroKeyLayer, *applied, 3);
    const auto keys = SentReports(Sim("capture").output);
    ASSERT_EQ(keys.size(), 3u) << Sim("capture").output;
    EXPECT_EQ(keys[0], std::vector<std::uint8_t>(layer.begin(), layer.end()));
    EXPECT_EQ(keys[1].at(0), 0x14);  // the stamp
    EXPECT_EQ(keys[2].at(0), 0x15);  // the host state
  }

  // M2 gets Ctrl+Shift+K through the shortcut dialog, typed on the
  // keyboard; pressed on the keyboard after Apply, it types that.
  ChooseFromKeyMenu(window, "M2,17,124,140,18,", {10});
  HWND shortcut = WaitForWindow("Pelko Key Shortcut Dialog");
  ASSERT_NE(shortcut, nullptr);
  for (WORD vk : {WORD(VK_LCONTROL), WORD(VK_LSHIFT), WORD('K')}) PressKey(vk);
  for (WORD vk : {WORD('K'), WORD(VK_LSHIFT), WORD(VK_LCONTROL)}) ReleaseKey(vk);
  ClickAt(LayoutCentre(shortcut, "BUTTON_OK,14,162,60,30,"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(shortcut); }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return ButtonText(window, "M2,17,124,140,18,", page) == "Ctrl+Shift+K"; },
                        5000))
      << ButtonText(window, "M2,17,124,140,18,", page);
  ApplyToKeyboard(window);
  {
    std::vector<std::string> seen = PlayedByKey(2, 500ms);
    // A slow machine can hold the key past its first repeat: K again.
    const std::string kDown = WitnessKeyLine('K', false), kUp = WitnessKeyLine('K', true);
    for (auto at = seen.begin(); at + 3 < seen.end();) {
      if (at[0] == kDown && at[1] == kUp && at[2] == kDown && at[3] == kUp) at = seen.erase(at + 2, at + 4) - 2;
      else ++at;
    }
    ASSERT_EQ(seen.size(), 6u) << ::testing::PrintToString(seen);
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 4),
              (std::vector<std::string>{WitnessKeyLine(VK_CONTROL, false), WitnessKeyLine(VK_SHIFT, false),
                                        WitnessKeyLine('K', false), WitnessKeyLine('K', true)}));
    std::sort(seen.begin() + 4, seen.end());
    std::vector<std::string> ups{WitnessKeyLine(VK_CONTROL, true), WitnessKeyLine(VK_SHIFT, true)};
    std::sort(ups.begin(), ups.end());
    EXPECT_EQ(std::vector<std::string>(seen.begin() + 4, seen.end()), ups);
  }

  // A new timer "tea" from T1's menu, then assigned to T1: its caption.
  ChooseFromKeyMenu(window, "T1,17,233,140,18,", {3, 0}, "xxx");
  HWND timer = WaitForWindow("Create Timer");
  ASSERT_NE(timer, nullptr);
  ClickAt(LayoutCentre(timer, "EDIT_PROFILE_NAME,116,90,182,15,"));
  for (WORD vk : {WORD('T'), WORD('E'), WORD('A')}) {
    PressKey(vk);
    ReleaseKey(vk);
  }
  ClickAt(LayoutCentre(timer, "BUTTON_OK,14,310,60,26,"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(timer); }, 5000));
  ChooseFromKeyMenu(window, "T1,17,233,140,18,", {3, 4}, "xxx-x");
  EXPECT_TRUE(WaitUntil([&] { return ButtonText(window, "T1,17,233,140,18,", page) == "tea"; }, 5000))
      << ButtonText(window, "T1,17,233,140,18,", page);
  SaveScreenshot("option-main-keys-assigned");

  // German: hovering Apply shows the German help text.
  OpenLanguages(window);
  SaveScreenshot("option-language-popup");
  ClickAt(
      LayoutCentre(window, layout::kLanguageItems[kGerman], {12, 570 - layout::kLanguageListRise}));
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("BrelFX.PopupList", nullptr) == nullptr; }, 5000));
  MoveMouseTo(LayoutCentre(window, layout::kOk));
  MoveMouseTo(LayoutCentre(window, layout::kApply));
  HWND helpArea = FindChild(window, "BrelFX.HelpArea");
  const std::wstring german = HelpLibraryText("German", kApplyHelpId);
  ASSERT_FALSE(german.empty());
  EXPECT_TRUE(WaitUntil([&] { return WindowTextW(helpArea) == german; }, 5000));
  EXPECT_NE(german, HelpLibraryText("English", kApplyHelpId));

  for (auto [language, name] : {std::pair{kJapanese, "japanese"}, {kRussian, "russian"}}) {
    ChooseLanguage(window, language);
    MoveMouseTo(LayoutCentre(window, layout::kOk));
    MoveMouseTo(LayoutCentre(window, layout::kApply));
    SaveScreenshot(std::string("option-") + name);
  }
  ChooseLanguage(window, kEnglish);

  // Slot 4 (the keyboard's) gets a name and a game through the profile
  // edit dialog, its first browse button and the file-open dialog.
  const std::string game = Path("BrelFXOption.exe");
  EditProfile(window, "Racing", [&](HWND dialog) {
    ChooseFile(dialog, LayoutCentre(dialog, "BUTTON_BROWER,304,136,23,17,"), game);
    SaveScreenshot("option-profile-edit");
  });
  EXPECT_EQ(SlotName(window, 3), "Racing");

  // Save through the file-save dialog: the file, its copy in config\ and
  // the slot's [FileName] entry.
  CreateDirectoryA(Path("profiles").c_str(), nullptr);
  const std::string saved = Path("profiles\\racing.tkp");
  ChooseFile(window, LayoutCentre(window, layout::kSave), saved);
  const std::string savedText = ReadFile(saved);
  EXPECT_NE(savedText.find("Racing"), std::string::npos) << savedText;
  EXPECT_NE(savedText.find(game), std::string::npos) << savedText;
  EXPECT_EQ(ReadFile(Path("config\\racing.tkp")), savedText);
  char title[64] = "";
  GetPrivateProfileStringA("FileName", "Profile4", "", title, sizeof(title), Path("config.ini").c_str());
  EXPECT_STREQ(title, "racing");

  // Renamed, then Load of the saved file brings the saved profile back and
  // leaves its copy in the program folder.
  EditProfile(window, "Other", [](HWND) {});
  EXPECT_EQ(SlotName(window, 3), "Other");
  ChooseFile(window, LayoutCentre(window, layout::kLoad), saved);
  EXPECT_EQ(SlotName(window, 3), "Racing");
  EXPECT_EQ(ReadFile(Path("racing.tkp")), savedText);
  EXPECT_EQ(WindowTextW(FindChild(window, "BrelFX.HelpArea")),
            L"Loaded racing into profile slot 4.");

  // Last before Cancel: the Advanced page ends with the reset, which makes
  // slot 1 current.
  DriveTheAdvancedPage(window, 3);

  // Cancel after edits: files and keyboard stay as they were.
  const std::string config = ReadFile(Path("config.ini"));
  const std::string profile = ReadFile(Path("config\\Default0.tkp"));
  ASSERT_EQ(Sim("capture clear").exitCode, 0u);
  ClickAt(LayoutCentre(window, layout::kSlots[0]));
  ChooseLanguage(window, kGerman);
  // Min puts the window away; restored, it takes the Cancel.
  ClickAt(LayoutCentre(window, layout::kMin));
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, 5000));
  ShowWindow(window, SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) == FALSE; }, 5000));
  std::this_thread::sleep_for(1000ms);
  ClickAt(LayoutCentre(window, layout::kCancel));
  ASSERT_EQ(WaitForSingleObject(option, 10000), WAIT_OBJECT_0);
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(ReadFile(Path("config.ini")), config);
  EXPECT_EQ(ReadFile(Path("config\\Default0.tkp")), profile);
  EXPECT_TRUE(SentReports(Sim("capture").output).empty()) << Sim("capture").output;
}

// A macro recorded in the macro manager and played by the keyboard: opened
// from M3's menu on an empty library, a set "Raid" and a macro "open door"
// are made, "hello" is typed on the keyboard while recording, and after OK
// the macro is assigned to M3 and applied; M3 pressed on the keyboard types
// it with the recorded delays.
TEST_F(OptionEndToEnd, AMacroRecordedInTheManagerPlaysFromItsKey) {
  constexpr const char* kM3 = "M3,17,146,140,18,";
  constexpr POINT kEditorArea{215, 50};
  Start();
  ASSERT_NE(WaitForMonitorWindow(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return CaptureHas("set   ok   15 03"); }, 20000))
      << Sim("capture").output;
  StartOption();
  HWND window = WaitForOptionWindow();
  ASSERT_NE(window, nullptr);

  // "Create New Macro...": the empty library asks for a set first, then the
  // new macro's name is typed into the list.
  ChooseFromKeyMenu(window, kM3, {2, 0}, "xx");
  HWND manager = WaitForWindow("Merlo Beta Macro Manager");
  ASSERT_NE(manager, nullptr);
  HWND setName = WaitForWindow("Create Macro Set");
  ASSERT_NE(setName, nullptr);
  ClickAt(LayoutCentre(setName, "EDIT_MACRO_SET_NAME,58,100,186,18,"));
  Type(" Raid ");
  ClickAt(LayoutCentre(setName, "BUTTON_OK,72,170,56,24,"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(setName); }, 5000));
  std::this_thread::sleep_for(300ms);
  Type("open door");
  Press(VK_RETURN);

  // Record: h-e-l-l-o with 60 ms between the keys, each held 30 ms.
  const POINT record = LayoutCentre(manager, "BUTTON_Start_Record,263,57,133,23,", kEditorArea);
  ClickAt(record);
  std::this_thread::sleep_for(300ms);
  for (const WORD vk : {WORD('H'), WORD('E'), WORD('L'), WORD('L'), WORD('O')}) {
    PressKey(vk);
    std::this_thread::sleep_for(30ms);
    ReleaseKey(vk);
    std::this_thread::sleep_for(60ms);
  }
  std::this_thread::sleep_for(200ms);
  SaveScreenshot("macro-manager-recorded", manager);
  ClickAt(record);

  // The set menu lists the new set, then adding and deleting.
  ClickAt(LayoutCentre(manager, "BUTTON_combox_macro_select,16,75,196,23,"));
  ASSERT_TRUE(WaitUntil([] { return OpenMenus().size() == 1; }, 5000));
  std::this_thread::sleep_for(300ms);
  SaveScreenshot("macro-manager-set-menu");
  // Closed by a click beside it (Escape's release would reach the dialog).
  ClickAt(LayoutCentre(manager, "Title bar,300,8,100,10,"));
  ASSERT_TRUE(WaitUntil([] { return OpenMenus().empty(); }, 5000));
  ClickAt(LayoutCentre(manager, "BUTTON_OK,539,430,56,26,"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }, 5000));

  // The library file is written once the dialog has gone.
  MacroLibrary library;
  WaitUntil([&] { return (library = LoadMacroLibrary(MacroLibraryFilePath(Path("")))).size() == 1; },
            5000);
  ASSERT_EQ(library.size(), 1u);
  EXPECT_EQ(library[0].name, "Raid");
  ASSERT_EQ(library[0].macros.size(), 1u);
  const MacroRecord& macro = library[0].macros[0];
  EXPECT_STREQ(macro.Name, "open door");
  ASSERT_EQ(macro.EventCount, 10);
  const std::uint8_t hello[] = {0x0B, 0x08, 0x0F, 0x0F, 0x12};  // HID usages of h, e, l, l, o
  for (int e = 0; e < 10; ++e) {
    EXPECT_EQ(macro.Events[e].Code, hello[e / 2]) << e;
    EXPECT_EQ(macro.Events[e].Type, 1 + e % 2) << e;
  }
  EXPECT_EQ(macro.Events[9].Delay, 0);

  // Macro + Preset Function > Raid > open door, then Apply.
  std::this_thread::sleep_for(2000ms);  // Wine takes the manager off the screen
  ChooseFromKeyMenu(window, kM3, {2, 3, 2}, "xx-x", "x-x");
  ApplyToKeyboard(window);
  std::vector<unsigned> times;
  const std::vector<std::string> seen = PlayedByKey(3, 1000ms, &times);
  std::vector<std::string> expected;
  for (const char key : std::string("HELLO"))
    for (const bool up : {false, true}) expected.push_back(WitnessKeyLine(key, up));
  ASSERT_EQ(seen, expected);
  // The gaps follow the recorded delays within 5 ms; on a busy machine one
  // event may come late (its neighbour's gap then shrinks by as much), so
  // the middle error counts, with a coarse bound for every gap.
  ASSERT_EQ(times.size(), seen.size());
  std::vector<int> errors;
  for (int e = 0; e < 9; ++e) {
    const int played = static_cast<int>(times[e + 1] - times[e]);
    errors.push_back(std::abs(played - macro.Events[e].Delay));
    EXPECT_LE(errors.back(), 60) << "after event " << e << ": " << played << " ms played, "
                                 << macro.Events[e].Delay << " ms recorded";
  }
  std::sort(errors.begin(), errors.end());
  EXPECT_LE(errors[errors.size() / 2], 5) << ::testing::PrintToString(errors);
}

}  // namespace
}  // namespace brelfx::test
