// Option side of the two-process shared-block test: runs the option
// application's real link over the Win32 section, mutex and messages.
//   shared_block_option SCENARIO WORK_FOLDER
// Scenarios: apply, hold, brightness (a monitor side runs), absent (none
// runs), small-section (a foreign, too small section has the shared name).
// Exit code 0 when every check held.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/shared_memory.h"
#include "platform/win32/window_messenger.h"
#include "settings/block_defaults.h"
#include "settings/option_settings_link.h"
#include "settings/shared_catalogue.h"
#include "tests/win32/shared_block_e2e.h"

namespace brelfx::e2e {
namespace {

int failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::printf("option: FAILED: %s\n", what);
  ++failures;
}

// The settings files: the whole block goes to one file of the work folder.
struct TestFiles final : OptionFiles {
  std::string folder;
  bool readAll = false;
  bool wroteAll = false;

  void ReadAll(SettingsBlock& block) override {
    readAll = true;
    SetDefaults(block, 1033);
  }
  void WriteAll(const SettingsBlock& block) override {
    wroteAll = WriteFileBytes(PathIn(folder, kFilesWritten), &block, sizeof(block));
  }
  void WriteInfoData(const std::uint8_t (&)[kInfoDataSize]) override {}
  int ReadFirmwareVersion() override { return 100; }
  void ReloadDeviceList() override {}
};

struct TestWindow final : OptionUi, OptionViews {
  bool okAndApplyEnabled = true;
  std::string messageBox;
  int advancedRefreshes = 0;

  void BeginWaitCursor() override {}
  void RestoreWaitCursor() override {}
  void EndWaitCursor() override {}
  void EnableOkAndApply(bool enabled) override { okAndApplyEnabled = enabled; }
  void ShowMessageBox(const char* text) override {
    std::printf("option: message box \"%s\"\n", text);
    messageBox = text;
  }
  void Refresh(OptionView view) override { advancedRefreshes += view == OptionView::kAdvancedPage; }
  void ShowFirmwareVersion(const std::string&) override {}
  void ReloadMacroPresets() override {}
};

struct Option {
  std::string folder;
  TestFiles files;
  TestWindow window;
  Win32SharedMemory shared;
  Win32WindowMessenger messenger;
  OptionSettingsLink link{shared, messenger, files, window, window};
};

// An edit the monitor side reports back: lighting of slot 3 and one key.
void EditSlotThree(SettingsBlock& edited) {
  edited.Profiles[2].LtTimeout = 30;
  edited.KeyChanged[2][3] = 1;
}

void CheckMonitorTookTheEdit(const Option& option) {
  const std::string report = ReadTextFile(PathIn(option.folder, kApplyReport));
  std::printf("option: monitor report \"%s\"\n", report.c_str());
  Check(!report.empty(), "SendMessage returned before the monitor side had handled 1224");
  Check(report.empty() || report == "took=1 wparam=0 flags=12, timeout2=30 key2_3=1\n",
        "the monitor side took a different block");
}

void ApplyThroughMonitor(Option& option) {
  Check(option.link.Start(), "shared settings not available");
  EditSlotThree(option.link.edited());
  const DWORD start = GetTickCount();
  const PublishOutcome outcome = option.link.Apply(ApplyMode::kSendChanges);
  std::printf("option: Apply returned after %lu ms\n",
              static_cast<unsigned long>(GetTickCount() - start));
  Check(outcome == PublishOutcome::kMonitorNotified, "Apply did not notify the monitor");
  CheckMonitorTookTheEdit(option);
  Check(option.files.wroteAll, "files not written");
  Check(option.window.okAndApplyEnabled, "OK and Apply left disabled");
}

void ApplyWhileMonitorHoldsMutex(Option& option) {
  Check(option.link.Start(), "shared settings not available");
  HWND monitor = FindWindowA(nullptr, kMonitorWindowTitle);
  Check(SendMessageA(monitor, kTestHoldMutex, 1500, 0) == 1, "monitor side did not take the mutex");
  EditSlotThree(option.link.edited());
  Check(option.link.Apply(ApplyMode::kSendChanges) == PublishOutcome::kMonitorNotified,
        "Apply did not notify the monitor");
  Check(FileExists(PathIn(option.folder, kMutexReleased)),
        "the copy did not wait for the mutex held by the monitor side");
  CheckMonitorTookTheEdit(option);
}

Option* windowOption = nullptr;

LRESULT CALLBACK OptionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (windowOption && windowOption->link.OnMonitorMessage(message)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

// Pumps this thread's messages until `done` or the time-out.
template <typename Done>
void PumpUntil(Done done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

void BrightnessFromMonitor(Option& option) {
  windowOption = &option;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = OptionProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BrelFXTestOption";
  RegisterClassA(&windowClass);
  UniqueWindow window(CreateWindowExA(0, windowClass.lpszClassName, kOptionWindowTitle, WS_POPUP, 0,
                                      0, 10, 10, nullptr, nullptr, windowClass.hInstance, nullptr));
  Check(static_cast<bool>(window), "option window not created");

  Check(option.link.Start(), "shared settings not available");
  SettingsBlock& edited = option.link.edited();
  const int slot = edited.CurrentProfile;
  edited.Profiles[slot].ModifyKey[0] = 0;  // a pending edit on another page
  HWND monitor = FindWindowA(nullptr, kMonitorWindowTitle);
  Check(SendMessageA(monitor, kTestChangeBrightness, 5, 0) == 1,
        "monitor side could not post to the option window");
  PumpUntil([&] { return option.window.advancedRefreshes > 0; }, 5000);
  Check(option.window.advancedRefreshes == 1, "WM_BRIGHTNESS_CHANGED did not arrive");
  Check(edited.Profiles[slot].LtBrightness == 5, "brightness not taken from shared memory");
  Check(edited.Profiles[slot].ModifyKey[0] == 0, "a pending edit was lost");
  windowOption = nullptr;
}

void FallBackToFiles(Option& option, bool expectMessageBox) {
  Check(FindWindowA(nullptr, kMonitorWindowTitle) == nullptr, "a monitor window exists");
  Check(!option.link.Start(), "shared settings reported available");
  Check(option.files.readAll, "settings not read from the files");
  Check(option.window.messageBox == (expectMessageBox ? kCouldNotMapViewText : ""),
        "wrong message box");
  EditSlotThree(option.link.edited());
  Check(option.link.Apply(ApplyMode::kSendChanges) == PublishOutcome::kFilesOnly,
        "Apply did not fall back to the files");
  Check(option.files.wroteAll, "files not written");
  Check(option.window.okAndApplyEnabled, "OK and Apply left disabled");
}

int Run(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 3) {
    std::printf("usage: shared_block_option SCENARIO WORK_FOLDER\n");
    return 2;
  }
  const std::string scenario = argv[1];
  Option option;
  option.folder = option.files.folder = argv[2];
  if (scenario == "apply") {
    ApplyThroughMonitor(option);
  } else if (scenario == "hold") {
    ApplyWhileMonitorHoldsMutex(option);
  } else if (scenario == "brightness") {
    BrightnessFromMonitor(option);
  } else if (scenario == "absent") {
    FallBackToFiles(option, false);
  } else if (scenario == "small-section") {
    FallBackToFiles(option, true);
  } else {
    std::printf("option: unknown scenario %s\n", scenario.c_str());
    return 2;
  }
  option.link.Close();
  std::printf("option: %s %s\n", scenario.c_str(), failures == 0 ? "passed" : "FAILED");
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace brelfx::e2e

int main(int argc, char** argv) {
  return brelfx::e2e::Run(argc, argv);
}
