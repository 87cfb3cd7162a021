// What each function button of a key page shows: the display text of its
// key's assignment, and the second (blocked) skin for code 223.
#pragma once

#include <string>
#include <vector>

#include "option/app/key_pages/key_page_layout.h"
#include "platform/keyboard_layout.h"
#include "settings/companion_device.h"
#include "settings/settings_block.h"

namespace brelfx {

struct KeyButtonLook {
  std::string caption;
  bool blocked = false;
};

// In button position order.
std::vector<KeyButtonLook> KeyButtonLooks(KeyPageKind kind, const ProfileRecord& profile,
                                          const CompanionDeviceList& devices,
                                          const KeyboardLayout& layout);

}  // namespace brelfx
