#include "platform/win32/system_input.h"

#include <windows.h>

namespace brelfx {
namespace {

class SystemInputInjector final : public InputInjector {
 public:
  void KeyboardEvent(std::uint8_t vk, std::uint8_t scanCode, std::uint32_t flags) override {
    keybd_event(vk, scanCode, flags, 0);
  }
  void MouseEvent(std::uint32_t flags, std::uint32_t data) override {
    // The extra information of the message being handled travels with the
    // button, as with input the mouse driver reports.
    mouse_event(flags, 0, 0, data, static_cast<ULONG_PTR>(GetMessageExtraInfo()));
  }
};

}  // namespace

InputInjector& SystemInput() {
  static SystemInputInjector input;
  return input;
}

}  // namespace brelfx
