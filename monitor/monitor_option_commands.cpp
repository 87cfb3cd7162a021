// What the option application asks of the monitor after it published a new
// settings block. Apply arrives by SendMessage: the option application waits
// until the keyboard has been written.
#include "monitor/keyboard_repeat.h"
#include "monitor/monitor.h"
#include "monitor/monitor_messages.h"
#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

void Monitor::OnOptionCommand(unsigned int message, std::uintptr_t wParam) {
  switch (message) {
    case WM_APPLY_SETTINGS:
      Apply(wParam == kApplyRestoreDefaults);
      break;
    case WM_INFODATA_CHANGED:
      if (features_.counters) {
        features_.counters->OnStatisticsChanged();
      } else {
        settings_.TakeFromShared();
      }
      break;
    case WM_RELOAD_SETTINGS_A:
    case WM_RELOAD_SETTINGS_B:
      settings_.TakeFromShared();
      break;
    case WM_RELOAD_KEY_REPEAT:
      settings_.TakeFromShared();
      ApplyKeyboardRepeat(settings_.local(), services_.keyboardRepeat);
      break;
    default:  // WM_RELOAD_IGNORED_A and _B ask for nothing
      break;
  }
}

void Monitor::Apply(bool restoreDefaults) {
  // Without the new block its change flags are unknown: the flags of the
  // last apply would be sent again and stamped as if the keyboard held what
  // the option application just applied.
  if (!settings_.TakeFromShared()) {
    DebugLog("Apply: the shared block could not be copied; nothing applied\n");
    return;
  }
  worker_.SettingsReplaced();
  ApplyKeyboardRepeat(settings_.local(), services_.keyboardRepeat);
  PassDisplayValuesToOsd();
  if (deviceState_.load() != kDeviceConnected) return;
  if (restoreDefaults) {
    features_.jobs.RestoreDefaults();
  } else {
    features_.jobs.SendChanges();
  }
  hostState_.Send(1, settings_.local());
  talk_.toggle = 0;
}

// The on-screen display takes the low 16 bits of both values in one lParam.
void Monitor::PassDisplayValuesToOsd() {
  const OSDSetting osd = services_.files.ReadOsdSetting();
  const WindowId window = services_.messenger.FindByTitle(kOsdWindowTitle);
  if (window == 0) return;
  const auto low16 = [](std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFFu; };
  const std::uint32_t packed = low16(osd.DisplayValue0) << 16 | low16(osd.DisplayValue1);
  services_.messenger.Post(window, WM_OSD_DISPLAY_VALUES, 0, static_cast<std::intptr_t>(packed));
}

}  // namespace brelfx
