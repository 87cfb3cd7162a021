// Without a safe way to end a foreign thread, an overdue thread is only
// detached and finishes on its own.
#include "platform/background_thread.h"

namespace brelfx {

void TerminateOverdueThread(std::thread&) {}

}  // namespace brelfx
