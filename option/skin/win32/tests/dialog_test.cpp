// The modal skinned dialog driven from inside its own message loop: its end
// codes, the owner it disables, and the dialog keys on real controls.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/lists/skin_list.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "option/skin/win32/tests/test_window.h"

namespace brelfx {
namespace {

using testing::TestOwner;

// The colour spectrum strip (176 x 28) serves as a small dialog picture.
const SkinSetIds kSkin{0, BRELFX_IDB_COLOR_SPECTRUM, 0, 0, 0};
constexpr UINT kStep = WM_APP + 7;

// A confirmation whose test steps run one by one inside its modal loop.
class ScriptedConfirm : public CConfirmDialog {
 public:
  using Step = std::function<void(ScriptedConfirm&)>;
  ScriptedConfirm()
      : CConfirmDialog(kSkin, ConfirmLayout{"BUTTON_OK,4,4,40,20,", "BUTTON_CANCEL,50,4,50,20,",
                                            "BUTTON_EXIT,150,4,20,20,"}) {}

  std::vector<Step> steps;
  bool ownerDisabledWhileOpen = false;

  using CConfirmDialog::CancelButton;
  using CConfirmDialog::OkButton;

  // A key as the keyboard delivers it: posted to the focused window.
  void Press(UINT key) { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); }

 protected:
  bool OnInitDialog() override {
    CConfirmDialog::OnInitDialog();
    PostMessageA(hwnd(), kStep, 0, 0);
    return true;
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kStep) return CConfirmDialog::HandleMessage(message, wParam, lParam);
    ownerDisabledWhileOpen = Owner() && !IsWindowEnabled(Owner());
    if (next_ < steps.size()) {
      steps[next_++](*this);
      PostMessageA(hwnd(), kStep, 0, 0);
    } else {
      EndDialog(-9);  // ran out of steps without ending: a test failure
    }
    return 0;
  }

 private:
  std::size_t next_ = 0;
};

TEST(SkinDialog, EndsWithItsButtonsKeysAndCloseAndFreesItsOwner) {
  TestOwner owner;
  struct Case {
    const char* what;
    std::vector<ScriptedConfirm::Step> steps;
    int expected;
  };
  const std::vector<Case> cases{
      {"Escape", {[](ScriptedConfirm& d) { d.Press(VK_ESCAPE); }}, kDialogCancel},
      {"Enter on the first button, OK",
       {[](ScriptedConfirm& d) { d.Press(VK_RETURN); }},
       kDialogOk},
      {"Tab to CANCEL, then Enter",
       {[](ScriptedConfirm& d) { d.Press(VK_TAB); }, [](ScriptedConfirm&) {},
        [](ScriptedConfirm& d) { d.Press(VK_RETURN); }},
       kDialogCancel},
      {"Space on the focused OK",
       {[](ScriptedConfirm&) {
         PostMessageA(GetFocus(), WM_KEYDOWN, VK_SPACE, 0);
         PostMessageA(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
       }},
       kDialogOk},
      {"WM_CLOSE",
       {[](ScriptedConfirm& d) { PostMessageA(d.hwnd(), WM_CLOSE, 0, 0); }},
       kDialogCancel},
      {"CANCEL clicked",
       {[](ScriptedConfirm& d) { PostMessageA(d.CancelButton().hwnd(), BM_CLICK, 0, 0); }},
       kDialogCancel},
      {"an end code of its own", {[](ScriptedConfirm& d) { d.EndDialog(7); }}, 7},
  };
  for (const Case& c : cases) {
    ScriptedConfirm dialog;
    dialog.steps = c.steps;
    EXPECT_EQ(dialog.RunModal(owner.hwnd()), c.expected) << c.what;
    EXPECT_TRUE(dialog.ownerDisabledWhileOpen) << c.what;
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd())) << c.what;
    EXPECT_FALSE(dialog.hwnd()) << c.what;  // gone
  }
}

TEST(SkinDialog, OpensCentredOverItsOwnerOrWhereItIsPut) {
  TestOwner owner;  // 400 x 300 at 0,0
  auto placedBy = [&](std::optional<POINT> position) {
    ScriptedConfirm dialog;
    RECT placed{};
    dialog.steps = {[&](ScriptedConfirm& d) {
      GetWindowRect(d.hwnd(), &placed);
      d.EndDialog(kDialogOk);
    }};
    if (position) dialog.SetPosition(*position);
    dialog.RunModal(owner.hwnd());
    return placed;
  };
  const RECT centred = placedBy(std::nullopt);
  EXPECT_EQ(centred.right - centred.left, 176);  // the size of its picture
  EXPECT_EQ(centred.left, (400 - 176) / 2);
  EXPECT_EQ(centred.top, (300 - 28) / 2);
  const RECT put = placedBy(POINT{33, 44});
  EXPECT_EQ(put.left, 33);
  EXPECT_EQ(put.top, 44);
}

// A name dialog: Enter anywhere confirms, but only with a name typed.
class NameDialog : public SkinDialog {
 public:
  NameDialog() : SkinDialog(kSkin) {}
  ~NameDialog() override { DestroyWindowNow(); }
  CBitmapEdit name;
  int refused = 0;
  std::function<void(NameDialog&)> script;

 protected:
  bool OnInitDialog() override {
    name.Create(WS_VISIBLE | WS_TABSTOP, RECT{4, 4, 120, 20}, hwnd(), 4010);
    name.SetTextLimit(24);
    PostMessageA(hwnd(), kStep, 0, 0);
    return true;
  }
  void OnOk() override {
    if (name.Text().empty()) {
      ++refused;
      return;
    }
    EndDialog(kDialogOk);
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kStep) return SkinDialog::HandleMessage(message, wParam, lParam);
    script(*this);
    return 0;
  }
};

TEST(SkinDialog, EnterInAFieldConfirmsTheDialogWhichMayRefuse) {
  NameDialog dialog;
  dialog.script = [](NameDialog& d) {
    EXPECT_EQ(GetFocus(), d.name.hwnd());                   // the first control takes the focus
    PostMessageA(d.name.hwnd(), WM_KEYDOWN, VK_RETURN, 0);  // refused: empty
    d.script = [](NameDialog& d2) {
      d2.name.SetText(std::string(30, 'n'));  // cut to the field's 24
      PostMessageA(d2.name.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    };
    PostMessageA(d.hwnd(), kStep, 0, 0);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), kDialogOk);
  EXPECT_EQ(dialog.refused, 1);
}

// A list in a dialog: Enter and Escape in its in-place edit end the edit,
// not the dialog.
class ListDialog : public SkinDialog {
 public:
  ListDialog() : SkinDialog(kSkin) {}
  ~ListDialog() override { DestroyWindowNow(); }
  CSkinList list;
  std::vector<std::optional<std::string>> results;
  std::vector<std::function<void(ListDialog&)>> steps;

 protected:
  bool OnInitDialog() override {
    list.Create(hwnd(), RECT{0, 0, 170, 28}, 4096);
    list.AddRow("Rush B", 0x1008A);
    PostMessageA(hwnd(), kStep, 0, 0);
    return true;
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kStep) return SkinDialog::HandleMessage(message, wParam, lParam);
    if (next_ < steps.size()) {
      steps[next_++](*this);
      PostMessageA(hwnd(), kStep, 0, 0);
    } else {
      EndDialog(kDialogOk);
    }
    return 0;
  }

 private:
  std::size_t next_ = 0;
};

TEST(SkinList, InPlaceEditCommitsOnEnterCancelsOnEscapeInsideADialog) {
  ListDialog dialog;
  auto edit = [](std::string text, UINT key) {
    return [text, key](ListDialog& d) {
      d.list.EditRow(0, 24, [&d](std::optional<std::string> r) {
        d.results.push_back(r);
        if (r) d.list.SetRowText(0, *r);
      });
      d.list.RowEdit().SetText(text);
      PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
    };
  };
  dialog.steps = {edit("  Eco round ", VK_RETURN), edit("Force buy", VK_ESCAPE)};
  EXPECT_EQ(dialog.RunModal(nullptr), kDialogOk);  // ended by the script, not by the keys
  ASSERT_EQ(dialog.results.size(), 2u);
  EXPECT_EQ(dialog.results[0], "Eco round");
  EXPECT_EQ(dialog.results[1], std::nullopt);
}

TEST(SkinList, RowsKeepTheirItemDataAndTheSelectionFollowsRemoval) {
  TestOwner owner;
  CSkinList list;
  ASSERT_TRUE(list.Create(owner.hwnd(), RECT{0, 0, 200, 100}, 4096));
  list.AddRow("A Press", 0x1008A);
  list.AddRow("20 ms", 0x10087);
  list.AddRow("A Release", 0x20089);
  list.SetRowText(1, "35 ms");  // replaced in place, item data kept
  EXPECT_EQ(list.RowText(1), "35 ms");
  EXPECT_EQ(list.ItemData(1), 0x10087u);
  EXPECT_EQ(list.RowAt(POINT{5, 2 * CSkinList::kRowHeight + 1}), 2);
  EXPECT_EQ(list.RowAt(POINT{5, 3 * CSkinList::kRowHeight + 1}), -1);
  list.Select(2);
  list.RemoveRow(2);
  EXPECT_EQ(list.Selected(), 1);  // was the last row: the new last
  EXPECT_EQ(list.ItemData(1), 0x10087u);

  // The right button selects the row under it before the context menu.
  SendMessageA(list.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 2));
  EXPECT_EQ(list.Selected(), 0);
}

}  // namespace
}  // namespace brelfx
