// Layout strings place every skinned control: "name,x,y,w,h,tooltip", e.g.
// "BUTTON_OK,150,240,58,26," or "Profile 1,8, 485,155,25,Click here to activate
// profile slot #1". They are literals of the program; parsing never fails.
#pragma once

#include <string_view>
#include <type_traits>

#include "option/skin/skin_rect.h"

namespace brelfx {

struct LayoutItem {
  char name[40];      // text before the first comma, zero-terminated
  SkinRect rect;      // right = x + w, bottom = y + h
  char tooltip[404];  // text after the last comma, trimmed, zero-terminated
};
static_assert(sizeof(LayoutItem) == 460);
static_assert(std::is_trivially_copyable_v<LayoutItem>);

// Clears `item` and fills it from `text`. Missing numbers stay 0; overlong
// names and tooltips are cut to their fields.
void ParseLayoutString(std::string_view text, LayoutItem& item);

// Convenience for callers that want the record as a value.
LayoutItem ParseLayoutString(std::string_view text);

}  // namespace brelfx
