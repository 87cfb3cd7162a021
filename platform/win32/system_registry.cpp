#include "platform/win32/system_registry.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {
namespace {

// Opens the key with full access, creating it when it does not exist.
UniqueKey OpenUserKey(std::string_view key) {
  HKEY handle = nullptr;
  const std::string name(key);
  const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0,
                                      KEY_ALL_ACCESS, nullptr, &handle, nullptr);
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));  // the registry returns its error
    LogLastError("RegCreateKeyExA");
    return UniqueKey();
  }
  return UniqueKey(handle);
}

// Opens a key of the machine for reading: creating keys there needs an
// administrator, and reading finds the same values.
UniqueKey OpenMachineKeyForReading(std::string_view key) {
  HKEY handle = nullptr;
  const std::string name(key);
  const LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, KEY_READ, &handle);
  if (status != ERROR_SUCCESS) return UniqueKey();  // not installed: nothing to report
  return UniqueKey(handle);
}

class Win32Registry final : public Registry {
 public:
  std::optional<std::string> ReadUserString(std::string_view key, std::string_view value) override {
    UniqueKey handle = OpenUserKey(key);
    if (!handle) return std::nullopt;
    char buffer[80] = {};
    DWORD size = sizeof(buffer) - 1;
    DWORD type = 0;
    const std::string name(value);
    if (RegQueryValueExA(handle.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::nullopt;
    }
    return std::string(buffer);
  }

  std::optional<std::string> ReadMachineString(std::string_view key,
                                               std::string_view value) override {
    UniqueKey handle = OpenMachineKeyForReading(key);
    if (!handle) return std::nullopt;
    char buffer[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    DWORD type = 0;
    const std::string name(value);
    if (RegQueryValueExA(handle.get(), name.empty() ? nullptr : name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::nullopt;
    }
    return std::string(buffer);
  }

  std::string ExpandEnvironment(std::string_view text) override {
    const std::string source(text);
    char expanded[MAX_PATH * 2] = {};
    const DWORD length = ExpandEnvironmentStringsA(source.c_str(), expanded, sizeof(expanded));
    if (length == 0 || length > sizeof(expanded)) return source;
    return expanded;
  }

  bool WriteUserString(std::string_view key, std::string_view value,
                       std::string_view text) override {
    UniqueKey handle = OpenUserKey(key);
    if (!handle) return false;
    const std::string name(value), data(text);
    const LONG status = RegSetValueExA(handle.get(), name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()),
                                       static_cast<DWORD>(data.size() + 1));
    if (status == ERROR_SUCCESS) return true;
    SetLastError(static_cast<DWORD>(status));
    LogLastError("RegSetValueExA");
    return false;
  }
};

}  // namespace

Registry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace brelfx
