// The window base's reflection: messages about controls and owner-drawn menu
// items reach only the objects this base made in this process, whatever a
// window's user data or an item's data claims.
#include "platform/win32/window.h"

#include <gtest/gtest.h>

namespace brelfx {
namespace {

constexpr char kOwnerClass[] = "BrelFXWindowTestOwner";

class Owner final : public Window {
 public:
  explicit Owner(Reflection reflection = Reflection::kToOwnControls) : Window(reflection) {
    RegisterWindowClass(kOwnerClass);
    CreateWindowObject(0, kOwnerClass, "", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, nullptr);
  }
  ~Owner() override { DestroyWindowNow(); }
  int commands = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) ++commands;
    return Default(message, wParam, lParam);
  }
};

class Control final : public Window {
 public:
  void Create(HWND parent) {
    CreateControlObject(0, "BUTTON", "", WS_CHILD, RECT{0, 0, 10, 10}, parent,
                        reinterpret_cast<HMENU>(1));
  }
  ~Control() override { DestroyWindowNow(); }
  int reflected = 0;

 protected:
  std::optional<LRESULT> OnReflected(UINT, WPARAM, LPARAM) override {
    ++reflected;
    return 0;
  }
};

struct Item final : OwnerDrawnMenuItem {
  void Measure(MEASUREITEMSTRUCT& measure) override { measure.itemHeight = 18; }
  void Draw(const DRAWITEMSTRUCT&) override {}
};

// Laid out as an item would be, but made by nobody's menu: item data another
// program could send.
struct LooksLikeAnItem {
  virtual void Measure(MEASUREITEMSTRUCT& measure) { measure.itemHeight = 99; }
  virtual void Draw(const DRAWITEMSTRUCT&) {}
  virtual ~LooksLikeAnItem() = default;
};

UINT Measured(HWND owner, ULONG_PTR itemData) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = itemData;
  SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  return measure.itemHeight;
}

TEST(Window, ReflectsOnlyToControlsAndMenuItemsItMade) {
  Owner owner;
  Control own;
  own.Create(owner.hwnd());
  Control stranger;  // an object, but not of this window
  HWND foreign =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(foreign, nullptr);
  SetWindowLongPtrA(foreign, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(static_cast<Window*>(&stranger)));

  SendMessageA(owner.hwnd(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
               reinterpret_cast<LPARAM>(own.hwnd()));
  SendMessageA(owner.hwnd(), WM_COMMAND, MAKEWPARAM(2, BN_CLICKED),
               reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(own.reflected, 1);
  EXPECT_EQ(stranger.reflected, 0);
  EXPECT_EQ(owner.commands, 1);  // the foreign window's command is the owner's own

  Item item;
  LooksLikeAnItem impostor;
  EXPECT_EQ(Measured(owner.hwnd(), reinterpret_cast<ULONG_PTR>(&item)), 18u);
  EXPECT_EQ(Measured(owner.hwnd(), reinterpret_cast<ULONG_PTR>(&impostor)), 0u);
  DestroyWindow(foreign);
}

TEST(Window, WithoutReflectionEveryMessageIsTheWindowsOwn) {
  Owner owner(Reflection::kNone);
  Control own;
  own.Create(owner.hwnd());
  SendMessageA(owner.hwnd(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
               reinterpret_cast<LPARAM>(own.hwnd()));
  EXPECT_EQ(own.reflected, 0);
  EXPECT_EQ(owner.commands, 1);
}

}  // namespace
}  // namespace brelfx
