// What a key page needs from the main window: the lists its menus offer and
// the reactions to a changed key.
#pragma once

#include "settings/companion_device.h"
#include "settings/macro_library.h"
#include "settings/timer_file.h"

namespace brelfx {

class KeyPageHost {
 public:
  virtual ~KeyPageHost() = default;
  virtual TimerList& Timers() = 0;
  virtual bool SaveTimers() = 0;
  virtual const MacroLibrary& Macros() = 0;
  virtual const CompanionDeviceList& Devices() = 0;
  // A key of the active profile was changed by a page.
  virtual void ProfileModified() = 0;
  // The macro manager (see KeyCommandUi); after OK Macros() is the new library.
  virtual void OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) = 0;
};

}  // namespace brelfx
