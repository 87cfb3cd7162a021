#include "option/app/key_pages/key_button_looks.h"

#include "settings/assignment_name.h"

namespace brelfx {

std::vector<KeyButtonLook> KeyButtonLooks(KeyPageKind kind, const ProfileRecord& profile,
                                          const CompanionDeviceList& devices,
                                          const KeyboardLayout& layout) {
  std::vector<KeyButtonLook> looks;
  for (const KeyButton& button : KeyButtons(kind)) {
    const KeyAssignment& key = profile.MacroKeyInfo[button.keyIndex];
    looks.push_back({DisplayName(key, devices, layout), key.FunctionCode == kFnDisabledToo});
  }
  return looks;
}

}  // namespace brelfx
