#include "monitor/keyboard/deferred_sync_effects.h"

#include <utility>

namespace brelfx {

SyncNotifications DeferredSyncEffects::notifications() {
  return {[this] { outcome_.publish = true; }, [this] { outcome_.notifyReloaded = true; },
          [this] { outcome_.playRecordedMacroSound = true; }};
}

JobOutcome DeferredSyncEffects::Take() {
  return std::exchange(outcome_, {});
}

}  // namespace brelfx
