// The main window's model over fakes that log what it reads, in order: the
// start-up with and without the monitor, and the effect of each command.
#include "option/app/main_window_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "option/app/program_identity.h"
#include "platform/path.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/shared_settings.h"
#include "settings/text_field.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_shared_memory.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using Events = std::vector<std::string>;

class LoggingRegistry final : public Registry {
 public:
  explicit LoggingRegistry(Events& events) : events_(events) {}
  std::optional<std::string> ReadUserString(std::string_view, std::string_view value) override {
    events_.push_back("registry " + std::string(value));
    return value == "KeyboardDelay" ? "2" : "25";
  }
  bool WriteUserString(std::string_view, std::string_view, std::string_view) override {
    return true;
  }

 private:
  Events& events_;
};

class LoggingSharedMemory final : public SharedMemory {
 public:
  LoggingSharedMemory(test::FakeSharedNamespace& objects, Events& events)
      : real_(objects), events_(events) {}
  SharedOpenResult Create(const char* s, const char* m, std::size_t size) override {
    return real_.Create(s, m, size);
  }
  SharedOpenResult Open(const char* s, const char* m, std::size_t size) override {
    events_.push_back("open shared");
    return real_.Open(s, m, size);
  }
  bool CopyTo(const void* source, std::size_t size) override { return real_.CopyTo(source, size); }
  bool CopyFrom(void* destination, std::size_t size) override {
    events_.push_back("copy from shared");
    return real_.CopyFrom(destination, size);
  }
  void Close() override { real_.Close(); }

 private:
  test::FakeSharedMemory real_;
  Events& events_;
};

// A loaded help library; logs when it is freed.
class TextsById final : public StringSource {
 public:
  TextsById(std::string language, Events& events)
      : language_(std::move(language)), events_(events) {}
  ~TextsById() override { events_.push_back("free " + language_); }
  std::optional<std::string> Text(int id) override {
    return language_ + " " + std::to_string(id);
  }

 private:
  std::string language_;
  Events& events_;
};

// The window, the help libraries (only German and English exist) and a page.
struct Window final : MainWindowView, HelpLibraryLoader, OptionUi, Page {
  explicit Window(Events& events) : events(events) {}
  void ShowMainView(const MainViewState& state) override {
    events.push_back("show view");
    shown = state;
  }
  void ShowVersionTexts(const VersionTexts& texts) override {
    events.push_back("show versions");
    versions = texts;
  }
  void ShowHelpTexts(const MainHelpTexts& texts, int) override {
    events.push_back("show help texts");
    help = texts;
  }
  std::unique_ptr<StringSource> Load(const std::string& path) override {
    const std::string name(FileNameOf(path));
    events.push_back("load " + name);
    if (name != "German_help.dll" && name != "English_help.dll") return nullptr;
    return std::make_unique<TextsById>(name.substr(0, name.find('_')), events);
  }
  void BeginWaitCursor() override {}
  void RestoreWaitCursor() override {}
  void EndWaitCursor() override {}
  void EnableOkAndApply(bool) override {}
  void ShowMessageBox(const char* text) override { events.push_back(text); }
  void Reload(SettingsBlock& edited) override {
    events.push_back(pageName + " reload");
    pageSawSlot = edited.CurrentProfile;
  }
  void ReloadStrings(StringSource& strings) override {
    pageString = strings.Text(1048).value_or("none");
  }
  void SetVisible(bool visible) override {
    events.push_back(visible ? "page shown" : "page hidden");
  }

  Events& events;
  std::string pageName = "page";
  MainViewState shown;
  VersionTexts versions;
  MainHelpTexts help;
  int pageSawSlot = -99;
  std::string pageString;
};

class MainWindowModelTest : public testing::Test {
 protected:
  MainWindowModelTest() {
    fs.onRead = [this](const std::string& path) {
      events.push_back("read " + std::string(FileNameOf(path)));
    };
    SetDefaults(*files, 1033);
    files->CurrentProfile = 1;
    files->QuickHelpLan = 4;
    SettingsFiles(folder.path(), SystemFileSystem(), NoRegistry()).WriteAll(*files);
    IniFile(JoinPath(folder.path(), "config.ini"), SystemFileSystem())
        .WriteInt("Setting", "FWVersion", 105);
  }

  // The monitor's section with its block and its window.
  void StartMonitor(int currentProfile) {
    SettingsBlock& block = *files;
    block.CurrentProfile = currentProfile;
    ASSERT_EQ(CreateSharedSettings(monitorMemory), SharedOpenResult::kMapped);
    ASSERT_TRUE(CopyToShared(monitorMemory, block));
    desktop.AddWindow(kMonitorWindowTitle, [this](unsigned int message, std::uintptr_t,
                                                  std::intptr_t) {
      monitorGot.push_back(message);
      return std::intptr_t{0};
    });
  }

  void Start() {
    model.pages().Attach(PageId::kMain, window);
    events.clear();
    model.Start();
  }

  Events events;
  test::TempFolder folder;
  std::unique_ptr<SettingsBlock> files = std::make_unique<SettingsBlock>();
  test::FakeSharedNamespace objects;
  test::FakeSharedMemory monitorMemory{objects};
  test::FakeDesktop desktop;
  std::vector<unsigned int> monitorGot;
  test::FaultyFileSystem fs;  // real files, reads logged by name
  LoggingRegistry registry{events};
  LoggingSharedMemory shared{objects, events};
  Window window{events};
  std::vector<int> confirmations;
  bool confirm = false;
  MainWindowModel model{{folder.path(), fs, registry, shared, desktop, window, window, window,
                         [this](int slot) {
                           confirmations.push_back(slot);
                           return confirm;
                         }}};
};

TEST_F(MainWindowModelTest, StartUpWithTheMonitorTakesItsBlockAndTheRegistryRepeat) {
  StartMonitor(3);
  Start();
  EXPECT_EQ(events, (Events{"read config.ini", "show versions", "open shared", "copy from shared",
                            "read Preset_sequence.dat", "read config.ini", "read Timer.ini",
                            "read Preset_sequence.dat", "read DeviceInfo.ini", "registry KeyboardDelay",
                            "registry KeyboardSpeed", "show view", "page reload",
                            "load German_help.dll", "show help texts"}));
  EXPECT_TRUE(model.sharedAvailable());
  EXPECT_EQ(model.edited().Profiles[3].KBDelay, 2);
  EXPECT_EQ(model.edited().Profiles[3].KBSpeed, 25);
  EXPECT_EQ(window.shown.activeSlot, 3);
  EXPECT_EQ(window.versions.firmware, "1.05");
  EXPECT_EQ(window.versions.program, kProgramVersionText);
  EXPECT_NE(window.versions.links.driver.find(std::string("_") + kProgramVersionText + "_1.05"),
            std::string::npos);
  EXPECT_EQ(window.help.apply, "German 1030");
  EXPECT_EQ(window.pageString, "German 1048");
}

TEST_F(MainWindowModelTest, StartUpWithoutTheMonitorReadsTheFiles) {
  Start();
  EXPECT_EQ(events,
            (Events{"read config.ini", "show versions", "open shared", "read config.ini",
                    "read Default0.tkp", "read Default1.tkp", "read Default2.tkp",
                    "read Default3.tkp", "read Default4.tkp", "registry KeyboardDelay",
                    "registry KeyboardSpeed", "read Preset_sequence.dat", "read config.ini",
                    "read Timer.ini", "read Preset_sequence.dat", "read DeviceInfo.ini",
                    "show view", "page reload", "load German_help.dll", "show help texts"}));
  EXPECT_FALSE(model.sharedAvailable());
  EXPECT_EQ(window.shown.activeSlot, 1);
}

TEST_F(MainWindowModelTest, TimerListComesFromTheTimerFileAndGoesBackToIt) {
  const std::string path = JoinPath(JoinPath(folder.path(), "config"), "Timer.ini");
  ASSERT_TRUE(SaveTimers(path, {TimerRecord{90, "Eggs"}}));
  Start();
  ASSERT_EQ(model.timers().size(), 1u);
  EXPECT_STREQ(model.timers()[0].name, "Eggs");
  model.timers().push_back(TimerRecord{300, "Tea"});
  ASSERT_TRUE(model.SaveTimers());
  const TimerList stored = LoadTimers(path);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].seconds, 300);
}

TEST_F(MainWindowModelTest, MacroLibraryTakesBackTheProfilesMacrosAtStartAndTheManagersOnOk) {
  const std::string path = MacroLibraryFilePath(folder.path());
  MacroLibrary stored{MacroSet{"Farm", {}, MacroSetState::kCreated}};
  ASSERT_TRUE(SaveMacroLibrary(path, stored));
  // A key in slot 3 holds a macro of a set the library lost.
  KeyAssignment& key = files->Profiles[2].MacroKeyInfo[4];
  key.FunctionCode = kFnMacro;
  SetTextField(key.MacroSetName, "Raid");
  SetTextField(key.MacroName, "open door");
  key.ActionCount = 2;
  key.Actions[0] = MacroEvent{4, 1, 30};
  key.Actions[1] = MacroEvent{4, 2, 0};
  StartMonitor(2);
  Start();
  const auto names = [](const MacroLibrary& library) {
    std::vector<std::string> names;
    for (const MacroSet& set : library)
      for (const MacroRecord& macro : set.macros) names.push_back(set.name + "/" + macro.Name);
    return names;
  };
  EXPECT_EQ(names(model.macros()), std::vector<std::string>{"Raid/open door"});
  EXPECT_EQ(names(LoadMacroLibrary(path)), std::vector<std::string>{"Raid/open door"});
  EXPECT_EQ(model.macros().size(), 2u);

  MacroLibrary working = model.macros();
  working.erase(working.begin());
  ASSERT_TRUE(model.CommitMacros(std::move(working)));
  EXPECT_EQ(LoadMacroLibrary(path).size(), 1u);
  EXPECT_EQ(model.macros().size(), 1u);
}

TEST_F(MainWindowModelTest, ActiveSlotOutsideTheFiveBecomesSlotOneBeforeAnyPageSeesIt) {
  StartMonitor(-1);
  Start();
  EXPECT_EQ(window.pageSawSlot, 0);
  EXPECT_EQ(window.shown.activeSlot, 0);
  EXPECT_EQ(model.edited().Profiles[0].KBDelay, files->Profiles[0].KBDelay);  // no registry read
}

TEST_F(MainWindowModelTest, SlotButtonMakesItsSlotActiveAndRefreshesEverything) {
  Start();
  events.clear();
  model.SelectSlot(4);
  EXPECT_EQ(model.edited().CurrentProfile, 4);
  EXPECT_EQ(window.shown.activeSlot, 4);
  EXPECT_EQ(events, (Events{"show view", "page reload"}));
}

TEST_F(MainWindowModelTest, WindowsProfileMarkerAsksOnlyBeforeMakingASlotTheWindowsProfile) {
  Start();
  model.ClickWindowsProfileMarker(2);  // cancelled
  EXPECT_EQ(model.edited().WindowsProfile, -1);
  confirm = true;
  model.ClickWindowsProfileMarker(2);
  EXPECT_EQ(model.edited().WindowsProfile, 2);
  EXPECT_TRUE(window.shown.windowsProfile[2]);
  model.ClickWindowsProfileMarker(2);  // already the windows profile: removed at once
  EXPECT_EQ(model.edited().WindowsProfile, -1);
  EXPECT_FALSE(window.shown.windowsProfile[2]);
  EXPECT_EQ(confirmations, (std::vector<int>{2, 2}));
}

TEST_F(MainWindowModelTest, TabShowsItsPageAndHidesTheCurrentOnlyWhenItChanges) {
  Window advanced{events};
  model.pages().Attach(PageId::kAdvanced, advanced);
  EXPECT_EQ(events, (Events{"page hidden"}));
  Start();
  events.clear();
  EXPECT_FALSE(model.SelectTab(PageId::kMain));
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(model.SelectTab(PageId::kAdvanced));
  EXPECT_EQ(events, (Events{"page shown", "page hidden"}));
  EXPECT_EQ(model.pages().ImageOf(PageId::kAdvanced), TabImage::kSelected);
  EXPECT_EQ(model.pages().ImageOf(PageId::kMain), TabImage::kNormal);
}

TEST_F(MainWindowModelTest, MonitorMessagesAndApplyRefreshWhatTheyChange) {
  Window advanced{events}, trovi{events};
  advanced.pageName = "advanced";
  trovi.pageName = "trovi";
  model.pages().Attach(PageId::kAdvanced, advanced);
  model.pages().Attach(PageId::kTrovi, trovi);
  StartMonitor(2);
  Start();
  auto after = [this](auto action) {
    events.clear();
    action();
    return events;
  };
  EXPECT_EQ(after([&] { model.OnMonitorMessage(WM_BRIGHTNESS_CHANGED); }),
            (Events{"copy from shared", "advanced reload"}));
  EXPECT_EQ(after([&] { model.OnMonitorMessage(WM_COUNTERS_CHANGED); }),
            (Events{"copy from shared", "trovi reload"}));
  Events reloads;  // Apply also reads the files it rewrites in place
  for (const std::string& event : after([&] { model.Apply(); }))
    if (event.ends_with(" reload")) reloads.push_back(event);
  EXPECT_EQ(reloads, (Events{"page reload", "advanced reload"}));

  // A reload from the keyboard: the new firmware (any version from 1.00 up)
  // and a block whose active slot is not one of the five.
  IniFile(JoinPath(folder.path(), "config.ini"), SystemFileSystem())
      .WriteInt("Setting", "FWVersion", 612);
  files->CurrentProfile = -1;
  ASSERT_TRUE(CopyToShared(monitorMemory, *files));
  EXPECT_EQ(after([&] { model.OnMonitorMessage(WM_SETTINGS_RELOADED); }),
            (Events{"read config.ini", "show versions", "copy from shared", "show view",
                    "page reload", "advanced reload", "trovi reload"}));
  EXPECT_EQ(window.versions.firmware, "6.12");
  EXPECT_NE(window.versions.links.help.find(std::string("_") + kProgramVersionText + "_6.12"),
            std::string::npos);
  EXPECT_EQ(window.pageSawSlot, 0);
}

TEST_F(MainWindowModelTest, ProfileEditWritesNameAndProgramsIntoTheActiveSlot) {
  Start();
  ProfileEditForm form = model.BeginProfileEdit(true);
  EXPECT_EQ(form.name(), "");
  form.SetName("A name much longer than twenty characters");
  form.SetGamePath(1, std::string(600, 'x'));
  EXPECT_EQ(form.gamePath(1).size(), 499u);
  model.FinishProfileEdit(form);
  const ProfileRecord& slot = model.edited().Profiles[1];
  EXPECT_EQ(TextField(slot.ProFileName), "A name much longer t");
  EXPECT_EQ(TextField(slot.GameFile1), std::string(499, 'x'));
  EXPECT_EQ(window.shown.slotNames[1], "A name much longer t");

  // Edit starts from the slot; a longer stored name is not cut by opening it.
  SetTextField(model.edited().Profiles[1].ProFileName, std::string(30, 'n'));
  form = model.BeginProfileEdit(false);
  EXPECT_EQ(form.gamePath(1), std::string(499, 'x'));
  form.SetName(form.name());  // OK takes the field's text back
  model.FinishProfileEdit(form);
  EXPECT_EQ(TextField(slot.ProFileName), std::string(30, 'n'));
}

TEST_F(MainWindowModelTest, LanguageChoiceStoresTheIndexAndLoadsItsLibrary) {
  Start();
  events.clear();
  EXPECT_FALSE(model.ChooseLanguage(-1));
  EXPECT_EQ(model.edited().QuickHelpLan, 4);
  EXPECT_TRUE(events.empty());

  EXPECT_TRUE(model.ChooseLanguage(1));
  EXPECT_EQ(events, (Events{"show view", "free German", "load English_help.dll", "show help texts"}));
  EXPECT_EQ(model.edited().QuickHelpLan, 1);
  EXPECT_EQ(window.shown.flagIndex, 1);
  EXPECT_EQ(window.help.ok, "English 1029");

  // A language whose library is missing keeps the texts shown before.
  EXPECT_TRUE(model.ChooseLanguage(6));
  EXPECT_EQ(window.shown.flagIndex, 6);
  EXPECT_EQ(window.help.ok, "English 1029");
  EXPECT_EQ(events.back(), "show help texts");
}

TEST_F(MainWindowModelTest, ApplyPublishesTheEditsWritesTheFilesAndTellsTheMonitor) {
  StartMonitor(0);
  Start();
  model.SelectSlot(2);
  EXPECT_EQ(model.Apply(), PublishOutcome::kMonitorNotified);
  EXPECT_EQ(monitorGot, (std::vector<unsigned int>{WM_APPLY_SETTINGS}));
  EXPECT_EQ(IniFile(JoinPath(folder.path(), "config.ini"), SystemFileSystem())
                .ReadInt("Setting", "CurrentProfile", -1),
            2);
  EXPECT_EQ(model.saved().CurrentProfile, 2);
}

TEST_F(MainWindowModelTest, LoadedProfileShowsInItsSlotAtOnce) {
  Start();
  SetTextField(model.edited().Profiles[1].ProFileName, "Racing");
  const std::string path = folder.Join("game.tkp");
  ASSERT_TRUE(model.SaveProfile(path).done);
  model.SelectSlot(3);
  events.clear();
  ASSERT_TRUE(model.LoadProfile(path).done);
  EXPECT_EQ(window.shown.slotNames[3], "Racing");
  EXPECT_EQ(model.edited().KeyChanged[3][57], 1);
  EXPECT_EQ(events.back(), "page reload");
}

TEST_F(MainWindowModelTest, ResetShowsTheDefaultsAndApplyHasTheMonitorRestoreTheKeyboard) {
  StartMonitor(3);
  Start();
  SettingsBlock& edited = model.edited();
  SetTextField(edited.Profiles[0].ProFileName, "Racing");
  edited.Profiles[4].LtBrightness = 0;
  edited.WindowsProfile = 2;
  edited.MouseType = 1;
  edited.InfoData[0] = 7;
  events.clear();
  model.ResetConfiguration();
  EXPECT_EQ(events, (Events{"show view", "page reload"}));
  EXPECT_EQ(window.shown.slotNames[0], "Default1");
  EXPECT_EQ(window.shown.activeSlot, 0);

  EXPECT_EQ(model.Apply(ApplyMode::kRestoreDefaults), PublishOutcome::kMonitorNotified);
  ASSERT_FALSE(desktop.log.empty());
  EXPECT_EQ(desktop.log.back().message, WM_APPLY_SETTINGS);
  EXPECT_EQ(desktop.log.back().wParam, 1u);
  const SettingsBlock& saved = model.saved();
  auto fresh = std::make_unique<ProfileRecord>();
  for (int slot = 0; slot < kProfileCount; ++slot) {
    SetProfileDefaults(*fresh, slot);
    EXPECT_EQ(std::memcmp(&saved.Profiles[slot], fresh.get(), sizeof(ProfileRecord)), 0) << slot;
  }
  EXPECT_EQ(saved.CurrentProfile, 0);
  EXPECT_EQ(saved.WindowsProfile, -1);
  EXPECT_EQ(saved.MouseType, 0);
  // The window's language and the achievement counters are no keyboard settings.
  EXPECT_EQ(saved.QuickHelpLan, 4);
  EXPECT_EQ(saved.InfoData[0], 7);
  EXPECT_EQ(IniFile(JoinPath(folder.path(), "config.ini"), SystemFileSystem())
                .ReadInt("Setting", "CurrentProfile", -1),
            0);
}

}  // namespace
}  // namespace brelfx
