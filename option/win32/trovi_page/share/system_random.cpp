#include "option/win32/trovi_page/share/system_random.h"

#include <windows.h>
// after windows.h, which it needs
#include <bcrypt.h>

#include "platform/log.h"

namespace brelfx {

bool FillSystemRandom(std::uint8_t* bytes, std::size_t count) {
  const NTSTATUS status =
      BCryptGenRandom(nullptr, bytes, static_cast<ULONG>(count), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
  if (status >= 0) return true;
  DebugLog("BCryptGenRandom failed: 0x%08lX\n", static_cast<unsigned long>(status));
  return false;
}

}  // namespace brelfx
