#include <windows.h>
// std::thread of the posix thread model runs on winpthreads, which hands out
// the Win32 handle of its threads.
#include <pthread.h>

#include "platform/background_thread.h"
#include "platform/win32/last_error.h"

namespace brelfx {

void TerminateOverdueThread(std::thread& thread) {
  HANDLE handle = pthread_gethandle(thread.native_handle());
  if (handle == nullptr || !TerminateThread(handle, 1)) LogLastError("TerminateThread");
}

}  // namespace brelfx
