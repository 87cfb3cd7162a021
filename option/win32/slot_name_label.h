// The label under a slot button with the profile's name: the active slot's
// name is lit in the skin's accent blue, the others grey.
#pragma once

#include "option/skin/win32/skin_button.h"
#include "platform/win32/handles.h"

namespace brelfx {

class CSlotNameLabel final : public CSkinButton {
 public:
  void SetName(const std::string& name);
  void SetActive(bool active);

 protected:
  void PaintOver(HDC dc, const RECT& rect) override;

 private:
  std::string name_;
  bool active_ = false;
  UniqueFont font_;
};

}  // namespace brelfx
