// Binds the HID access library "zendrel.dll" beside the program and releases
// it at shutdown after closing the device monitor and the feature device.
#pragma once

#include <string>
#include <string_view>

#include "device/library_loader.h"
#include "device/zendrel_api.h"

namespace brelfx {

constexpr const char* kZendrelFileName = "zendrel.dll";

// The program's folder (up to and including the last backslash or slash of
// its path) followed by "zendrel.dll".
std::string ZendrelPathBeside(std::string_view programPath);

class ZendrelBinding {
 public:
  explicit ZendrelBinding(LibraryLoader& loader) : loader_(loader) {}
  ~ZendrelBinding() { Release(); }
  ZendrelBinding(const ZendrelBinding&) = delete;
  ZendrelBinding& operator=(const ZendrelBinding&) = delete;

  // Loads the library beside the given program and looks up the six entry
  // points by name. 0 (binding nothing) when the library can't be loaded or
  // is already bound; entry points the library lacks stay null.
  int Bind(std::string_view programPath);

  // Close_DevMonitor, Close_FeatureDevice, then frees the library; the table
  // is empty afterwards. Nothing happens when nothing is bound.
  void Release();

  bool bound() const { return library_ != nullptr; }
  const ZendrelApi& api() const { return api_; }

 private:
  LibraryLoader& loader_;
  void* library_ = nullptr;
  ZendrelApi api_;
};

}  // namespace brelfx
