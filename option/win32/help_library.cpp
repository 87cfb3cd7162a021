#include "option/win32/help_library.h"

#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

class HelpLibrary final : public StringSource {
 public:
  explicit HelpLibrary(UniqueModule module) : module_(std::move(module)) {}

  std::optional<std::string> Text(int id) override {
    // 500 bytes of the library's text: 250 UTF-16 units.
    wchar_t buffer[250];
    const int length = LoadStringW(module_.get(), static_cast<UINT>(id), buffer, 250);
    if (length <= 0) return std::nullopt;
    return Utf8FromWide(std::wstring_view(buffer, static_cast<std::size_t>(length)));
  }

 private:
  UniqueModule module_;  // freed with the source, before the next one loads
};

}  // namespace

std::unique_ptr<StringSource> Win32HelpLibraryLoader::Load(const std::string& path) {
  UniqueModule module(LoadLibraryExW(WideFromUtf8(path).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) {
    LogLastError(("LoadLibraryEx " + path).c_str());
    return nullptr;
  }
  return std::make_unique<HelpLibrary>(std::move(module));
}

}  // namespace brelfx
