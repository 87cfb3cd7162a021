// Native in-process binding: the six library entry points, as plain functions,
// served by one SimKeyboard. Lets native tests run the host side (binding
// table, transactions, synchronisation) against the real keyboard model.
#pragma once

#include <mutex>

#include "device/zendrel_api.h"
#include "sim/sim_keyboard.h"

namespace brelfx::sim {

// While it lives, its api() reaches the given keyboard through a guarded
// process-global pointer; afterwards every entry point fails (returns 0).
// One binding at a time: a newer one takes over. The keyboard's message sink
// runs under the binding's lock and must not call back into the entry points.
class SimKeyboardBinding {
 public:
  explicit SimKeyboardBinding(SimKeyboard& keyboard);
  ~SimKeyboardBinding();
  SimKeyboardBinding(const SimKeyboardBinding&) = delete;
  SimKeyboardBinding& operator=(const SimKeyboardBinding&) = delete;

  const ZendrelApi& api() const { return api_; }

  // The lock every entry point takes: hold it to act on the keyboard (press a
  // key, script a fault) while host threads are calling the entry points.
  static std::unique_lock<std::mutex> Lock();

 private:
  SimKeyboard& keyboard_;
  ZendrelApi api_;
};

}  // namespace brelfx::sim
