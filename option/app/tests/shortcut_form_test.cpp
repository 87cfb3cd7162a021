#include <gtest/gtest.h>

#include "option/app/shortcut/shortcut_form.h"
#include "option/app/shortcut/shortcut_key.h"

namespace brelfx {
namespace {

const KeyboardLayout& us = UsKeyboardLayout();

// AZERTY: A and Q, Z and W change places against the US keys.
class FrenchLayout final : public KeyboardLayout {
 public:
  unsigned VkToScan(unsigned vk) const override {
    switch (vk) {
      case 'A': return 0x10;
      case 'Q': return 0x1E;
      case 'Z': return 0x11;
      case 'W': return 0x2C;
      default: return us.VkToScan(vk);
    }
  }
  unsigned ScanToVk(unsigned scan) const override {
    switch (scan) {
      case 0x10: return 'A';
      case 0x1E: return 'Q';
      case 0x11: return 'Z';
      case 0x2C: return 'W';
      default: return us.ScanToVk(scan);
    }
  }
  unsigned VkToChar(unsigned vk) const override { return us.VkToChar(vk); }
};

constexpr unsigned kLeftShift = 0xA0, kLeftCtrl = 0xA2;

TEST(ShortcutKey, ThePlaceOfTheKeyDecidesNotItsLetter) {
  const FrenchLayout french;
  EXPECT_EQ(UsageOfPressedKey('A', 0x10, french), 0x14);  // the US Q key
  EXPECT_EQ(UsageOfPressedKey('Q', 0x1E, french), 0x04);  // the US A key
  EXPECT_EQ(UsageOfPressedKey('A', 0x1E, us), 0x04);
  // Where virtual key and scan code disagree (the input came through another
  // layout than this thread's), the scan code decides.
  EXPECT_EQ(UsageOfPressedKey('A', 0x10, us), 0x14);
  EXPECT_EQ(UsageOfPressedKey('A', 0, us), 0x04);  // injected without a scan code
  EXPECT_EQ(UsageOfPressedKey(0x26, 0x48, us), 0x52);  // Up: a fixed key, not keypad 8's scan
  EXPECT_EQ(UsageOfPressedKey(kLeftCtrl, 0x1D, us), 0xE0);
  EXPECT_EQ(UsageOfPressedKey(0x70, 0x3B, us), 0x3A);  // F1
  EXPECT_FALSE(UsageOfPressedKey(0xFF, 0x00, us));     // no row: ignored
  EXPECT_FALSE(UsageOfPressedKey(0xB3, 0x22, us));     // media Play has no row
}

TEST(ShortcutForm, TypingACombinationSetsTheKeyAndTheToggles) {
  ShortcutForm form(0x04, ShortcutFlags{});
  struct Stroke {
    unsigned vk, scan;
    bool released;
  };
  const Stroke typed[] = {{kLeftCtrl, 0x1D, false}, {kLeftShift, 0x2A, false}, {'K', 0x25, false},
                          {'K', 0x25, true},        {kLeftShift, 0x2A, true},  {kLeftCtrl, 0x1D, true}};
  for (const Stroke& s : typed) form.OnKey(s.vk, s.scan, s.released, us);
  EXPECT_EQ(form.usage(), 0x0E);
  EXPECT_FALSE(form.flags().none);
  EXPECT_TRUE(form.flags().ctrl && form.flags().shift);
  EXPECT_FALSE(form.flags().alt || form.flags().win);

  // A modifier alone is a key of its own; the toggles stay.
  EXPECT_FALSE(form.OnKey(kLeftCtrl, 0x1D, false, us));
  EXPECT_TRUE(form.OnKey(kLeftCtrl, 0x1D, true, us));
  EXPECT_EQ(form.usage(), 0xE0);
  EXPECT_TRUE(form.flags().shift);

  // A key typed alone keeps the toggles the user clicked.
  form.OnKey('B', 0x30, false, us);
  EXPECT_EQ(form.usage(), 0x05);
  EXPECT_TRUE(form.flags().ctrl && form.flags().shift);
}

TEST(ShortcutForm, NoneDisablesTheOtherTogglesWithoutLosingThem) {
  ShortcutForm form(0x04, ShortcutFlags{true, true, false, false, false});
  EXPECT_TRUE(form.IsEnabled(ShortcutToggle::kNone));
  EXPECT_FALSE(form.IsEnabled(ShortcutToggle::kShift));
  EXPECT_FALSE(form.Flip(ShortcutToggle::kShift));  // can't be clicked
  EXPECT_TRUE(form.flags().shift);                  // and keeps its value

  EXPECT_TRUE(form.Flip(ShortcutToggle::kNone));
  EXPECT_TRUE(form.IsEnabled(ShortcutToggle::kAlt));
  EXPECT_TRUE(form.IsOn(ShortcutToggle::kShift));
  EXPECT_TRUE(form.Flip(ShortcutToggle::kWin));
  EXPECT_TRUE(form.flags().win);
  EXPECT_FALSE(form.IsOn(ShortcutToggle::kNone));
}

}  // namespace
}  // namespace brelfx
