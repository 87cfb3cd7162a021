#include "monitor/keyboard/apply_progress.h"

#include "settings/shared_catalogue.h"

namespace brelfx {

void ApplyProgress::Report(int done, int planned) {
  if (!throttle_.Pass(done, planned)) return;
  // An apply from another program has no window to tell.
  const WindowId option = messenger_.FindByTitle(kOptionWindowTitle);
  if (option == 0) return;
  messenger_.Post(option, WM_APPLY_PROGRESS, static_cast<std::uintptr_t>(done), planned);
}

}  // namespace brelfx
