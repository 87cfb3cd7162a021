#include "device/zendrel_binding.h"

#include "device/zendrel_calls.h"
#include "platform/log.h"

namespace brelfx {
namespace {

template <typename Fn>
void Lookup(LibraryLoader& loader, void* library, const char* name, Fn& entry) {
  // Every entry point was exported with its own signature; the loader hands
  // it out as a generic function pointer.
  entry = reinterpret_cast<Fn>(loader.Find(library, name));
  if (!entry) DebugLog("zendrel: no entry point %s\n", name);
}

}  // namespace

std::string ZendrelPathBeside(std::string_view programPath) {
  const std::size_t slash = programPath.find_last_of("\\/");
  std::string path(slash == std::string_view::npos ? std::string_view{}
                                                   : programPath.substr(0, slash + 1));
  return path + kZendrelFileName;
}

int ZendrelBinding::Bind(std::string_view programPath) {
  if (library_) return 0;
  const std::string path = ZendrelPathBeside(programPath);
  library_ = loader_.Load(path);
  if (!library_) {
    DebugLog("zendrel: cannot load %s\n", path.c_str());
    return 0;
  }
  Lookup(loader_, library_, "Open_DevMonitor", api_.Open_DevMonitor);
  Lookup(loader_, library_, "Close_DevMonitor", api_.Close_DevMonitor);
  Lookup(loader_, library_, "Open_FeatureDevice", api_.Open_FeatureDevice);
  Lookup(loader_, library_, "Close_FeatureDevice", api_.Close_FeatureDevice);
  Lookup(loader_, library_, "SetFeature", api_.SetFeature);
  Lookup(loader_, library_, "GetFeature", api_.GetFeature);
  return 1;
}

void ZendrelBinding::Release() {
  if (!library_) return;
  CloseDevMonitor(api_);
  CloseFeatureDevice(api_);
  api_ = ZendrelApi{};
  loader_.Free(library_);
  library_ = nullptr;
}

}  // namespace brelfx
