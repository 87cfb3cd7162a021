// Drives a running skin-gallery like a user, with real mouse and keyboard
// input (SendInput), and checks the owner messages it reports in its trace
// file and the state of its controls. One phase per call, so the test script
// can take screenshots in between:
//   skin-gallery-driver.exe TRACE_FILE PHASE
// with PHASE interact, menu-open, menu-choose, keyboard, list-edit-open,
// list-edit-commit, dialog-open, dialog-close, notice-open, notice-close,
// popup-open, popup-choose or close.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "option/skin/layout_string.h"
#include "option/skin/win32/gallery/gallery_layout.h"

namespace {

using namespace brelfx;
using namespace brelfx::gallery;

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  if (!ok) ++failures;
}

class Driver {
 public:
  explicit Driver(std::string tracePath) : tracePath_(std::move(tracePath)) {}

  bool FindGallery(int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 100) {
      gallery_ = FindWindowA(nullptr, kTitle);
      if (gallery_ && IsWindowVisible(gallery_)) return true;
      Sleep(100);
    }
    return false;
  }
  HWND gallery() const { return gallery_; }

  // The screen point at (dx, dy) inside a control placed by `layout`
  // (negative: from its centre).
  POINT At(const char* layout, int dx = -1, int dy = -1) const {
    const SkinRect r = ParseLayoutString(layout).rect;
    POINT p{r.left + (dx < 0 ? r.Width() / 2 : dx), r.top + (dy < 0 ? r.Height() / 2 : dy)};
    ClientToScreen(gallery_, &p);
    return p;
  }

  void MoveTo(POINT p) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    Sleep(60);
  }
  void Button(bool down, bool right = false) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                          : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInput(1, &in, sizeof(in));
    Sleep(80);
  }
  void Click(POINT p) {
    MoveTo(POINT{p.x - 1, p.y});
    MoveTo(p);
    Button(true);
    Button(false);
  }
  // Presses at `from`, moves `steps` times by (stepX, stepY), releases.
  void Drag(POINT from, int stepX, int stepY, int steps) {
    MoveTo(from);
    Button(true);
    for (int step = 1; step <= steps; ++step)
      MoveTo(POINT{from.x + stepX * step, from.y + stepY * step});
    Button(false);
  }
  void RightClick(POINT p) {
    MoveTo(POINT{p.x - 1, p.y});
    MoveTo(p);
    Button(true, true);
    Button(false, true);
  }
  void Type(const std::string& text) {
    for (char c : text) {
      const SHORT scan = VkKeyScanA(c);
      Key(LOBYTE(scan), (HIBYTE(scan) & 1) != 0);
    }
  }
  void Key(WORD vk, bool shift = false) {
    std::vector<INPUT> keys;
    auto add = [&](WORD code, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = code;
      in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC));
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      keys.push_back(in);
    };
    if (shift) add(VK_SHIFT, false);
    add(vk, false);
    add(vk, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    Sleep(80);
  }

  // Marks the trace's current end; Expect() looks only at what follows.
  void Mark() { mark_ = ReadTrace().size(); }
  bool Expect(const std::string& linePrefix, int timeoutMs = 5000) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
      const std::string fresh = ReadTrace().substr(std::min(mark_, ReadTrace().size()));
      std::istringstream lines(fresh);
      for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, linePrefix.size(), linePrefix) == 0) {
          last_ = line;
          return true;
        }
      }
      Sleep(50);
    }
    return false;
  }
  const std::string& LastLine() const { return last_; }

 private:
  std::string ReadTrace() const {
    std::ifstream in(tracePath_, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }

  std::string tracePath_;
  HWND gallery_ = nullptr;
  std::size_t mark_ = 0;
  std::string last_;
};

std::string TextOf(HWND window) {
  char text[256] = {};
  SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<HWND> VisibleMenus() {
  std::vector<HWND> menus;
  EnumWindows(
      [](HWND window, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof(name));
        if (std::strcmp(name, "#32768") == 0 && IsWindowVisible(window)) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&menus));
  return menus;
}

bool WaitForMenus(std::size_t count, int timeoutMs = 3000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (VisibleMenus().size() == count) return true;
    Sleep(50);
  }
  return false;
}

// The screen point of the item `index` (items 18 px high, separators 5, the
// zero-height item 0) of a popup-menu window.
POINT MenuItem(HWND menu, int offsetY) {
  RECT r;
  GetWindowRect(menu, &r);
  return POINT{r.left + 30, r.top + 3 + offsetY};
}

// A visible top-level window of this class (the gallery's dialogs and popups).
HWND WaitForWindow(const char* className, bool present = true, int timeoutMs = 5000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    HWND window = FindWindowA(className, nullptr);
    const bool shown = window && IsWindowVisible(window);
    if (shown == present) return present ? window : reinterpret_cast<HWND>(1);
    Sleep(50);
  }
  return nullptr;
}

// The popup list, once it holds the mouse capture (it takes it as it opens).
HWND WaitForPopupCapture(const char* className, int timeoutMs = 5000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    HWND window = FindWindowA(className, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (window && IsWindowVisible(window) &&
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
        info.hwndCapture == window) {
      return window;
    }
    Sleep(50);
  }
  return nullptr;
}

constexpr const char* kDialogClass = "BrelFX.SkinDialog";
constexpr const char* kPopupClass = "BrelFX.PopupList";

// A point inside a window placed at `layout` within the top-level `window`.
POINT Inside(HWND window, const char* layout) {
  const SkinRect r = ParseLayoutString(layout).rect;
  POINT p{r.left + r.Width() / 2, r.top + r.Height() / 2};
  ClientToScreen(window, &p);
  return p;
}

// Clicks the control at `layout` and checks the line its owner records.
void ClickExpecting(Driver& d, const char* layout, const std::string& line, const char* what) {
  d.Mark();
  d.Click(d.At(layout));
  Check(d.Expect(line), what);
}

void Interact(Driver& d) {
  // The picture control swaps to its lit picture (seen in the first screenshot).
  ClickExpecting(d, kLitPicture, "picture 943",
                 "the lit switch shows the picture by its other resource id");
  // The animations stop and play again (playing in the first screenshot).
  ClickExpecting(d, kPlay, "animations stopped", "the switch stops the animations");
  ClickExpecting(d, kPlay, "animations playing", "the switch plays them again");

  d.Mark();
  d.MoveTo(d.At(kPush, 10));
  d.MoveTo(d.At(kPush));
  Check(d.Expect("WM_CONTROL_HOVER 1 " + std::to_string(kPushHover)),
        "hovering the push button reports WM_CONTROL_HOVER");
  Check(d.Expect("WM_HELP_TEXT 1 A push button with a caption"),
        "and publishes its tooltip as help text");
  d.Mark();
  d.Click(d.At(kPush));
  Check(d.Expect("click BrelFX"), "a click on the push button reaches its owner");

  d.Mark();
  d.Click(d.At(kToggleLighting));
  Check(d.Expect("WM_CONTROL_HOVER 0 " + std::to_string(kPushHover)),
        "leaving the push button ends its hover");
  Check(d.Expect("toggle Lighting 1"), "a click turns the switch on");
  d.Mark();
  d.Click(d.At(kSwatches[2]));
  Check(d.Expect("swatch 3"), "the third swatch is chosen");

  // Slider 0-5 with rounding over a 190 px track; the thumb starts at 2.
  d.Mark();
  d.Click(d.At(kSlider, 185));
  Check(d.Expect("WM_SLIDER_POS 5 " + std::to_string(kSliderId)),
        "a click near the track's right end gives 5");
  d.Mark();
  d.Click(d.At(kSlider, 40));
  Check(d.Expect("WM_SLIDER_POS 1 " + std::to_string(kSliderId)),
        "a click at 40 px gives 1.05 rounded to 1");
  // Drag the thumb (now at 178 * 1 / 5 = 35) right by 60 px: 95 px is 2.67, released it snaps to 3.
  HWND track = GetDlgItem(d.gallery(), kSliderId);
  HWND thumb = GetWindow(track, GW_CHILD);
  d.Mark();
  d.Drag(d.At(kSlider, 41, 10), 10, 0, 6);
  Check(d.Expect("WM_SLIDER_POS 3 " + std::to_string(kSliderId)),
        "dragging the thumb and letting go gives 3");
  RECT thumbRect, trackRect;
  GetWindowRect(thumb, &thumbRect);
  GetWindowRect(track, &trackRect);
  Check(thumbRect.left - trackRect.left == 178 * 3 / 5,
        "the released thumb snaps to the position of 3");

  // Spin field 0-255: typing 300 shows 255.
  HWND spinEdit = GetDlgItem(GetDlgItem(d.gallery(), kSpinId), 401);
  d.Click(d.At(kSpin, 16, 8));
  SendMessageA(spinEdit, EM_SETSEL, 0, -1);
  d.Mark();
  for (WORD vk : {WORD('3'), WORD('0'), WORD('0')}) d.Key(vk);
  Check(d.Expect("WM_SPIN_VALUE 255 " + std::to_string(kSpinId)),
        "typing 300 into the spin field reports 255");
  Check(TextOf(spinEdit) == "255",
        "and the field shows 255 (it shows \"" + TextOf(spinEdit) + "\")");
  d.Mark();
  d.Click(d.At(kTextEdit));
  Check(d.Expect("WM_SPIN_VALUE 255 " + std::to_string(kSpinId)),
        "leaving the field reports its value again");
  d.Mark();
  d.Click(d.At(kSpin, 42, 13));
  Check(d.Expect("WM_SPIN_VALUE 254 " + std::to_string(kSpinId)), "the down arrow steps to 254");
  Check(TextOf(spinEdit) == "254", "and the field shows 254");

  // The signed numeric edit keeps digits and signs only.
  HWND signedEdit = GetDlgItem(d.gallery(), kSignedEditId);
  d.Click(d.At(kSignedEdit));
  d.Mark();
  d.Key('A');
  d.Key('1');
  d.Key(VK_OEM_MINUS);
  d.Key('2');
  d.Key(VK_OEM_PLUS, true);
  d.Key('3');
  Check(d.Expect("WM_EDIT_NOTIFY 0"), "typing in the edit posts WM_EDIT_NOTIFY 0");
  Check(TextOf(signedEdit) == "1-2+3",
        "typing a1-2+3 leaves 1-2+3 (it shows \"" + TextOf(signedEdit) + "\")");
  d.Mark();
  d.Key(VK_RETURN);
  Check(d.Expect("WM_EDIT_NOTIFY 13"), "releasing Enter posts WM_EDIT_NOTIFY 13");

  d.Mark();
  d.Click(d.At(kPicker, 40, 12));
  Check(d.Expect("WM_COLOR_PICKED 0x"), "a click on the spectrum picks a colour");
  Check(d.LastLine() != "WM_COLOR_PICKED 0xFFFFFF",
        "the picked colour is not white (" + d.LastLine() + ")");
  Check(d.Expect("BitmapEdit_KillFocus"),
        "the edit losing the focus to the strip posts BitmapEdit_KillFocus");

  // Choose "Breathing" from the effect menu so the next phase shows it
  // highlighted. The button takes the focus from the signed edit.
  d.Mark();
  d.Click(d.At(kEffect));
  Check(WaitForMenus(1), "the effect menu opens");
  d.Mark();
  if (!VisibleMenus().empty()) d.Click(MenuItem(VisibleMenus()[0], 18 + 9));
  Check(d.Expect("menu 1102 Breathing"), "choosing Breathing reaches the owner");

  // Drag the window by its background.
  RECT before, after;
  GetWindowRect(d.gallery(), &before);
  d.Drag(d.At("background,450,280,1,1,"), 8, 6, 5);
  Sleep(300);
  GetWindowRect(d.gallery(), &after);
  Check(after.left - before.left == 40 && after.top - before.top == 30,
        "dragging the background moves the window by (40, 30): moved (" +
            std::to_string(after.left - before.left) + ", " +
            std::to_string(after.top - before.top) + ")");

  d.MoveTo(d.At(kPush, 20));
  d.MoveTo(d.At(kPush));
}

// Keyboard only: Tab order, arrows on the slider and the spin field, Space
// and Enter on switches.
void Keyboard(Driver& d) {
  HWND gallery = d.gallery();
  d.Click(d.At(kTextEdit));
  d.Key(VK_TAB);
  // The focus belongs to the gallery's thread: ask that thread.
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  auto focused = [&] {
    GetGUIThreadInfo(GetWindowThreadProcessId(gallery, nullptr), &info);
    return info.hwndFocus;
  };
  Check(focused() == GetDlgItem(gallery, kSignedEditId), "Tab moves from Name to Signed");
  d.Key(VK_TAB);
  HWND thumb = GetWindow(GetDlgItem(gallery, kSliderId), GW_CHILD);
  Check(focused() == thumb, "the next Tab reaches the slider");
  d.Mark();
  d.Key(VK_RIGHT);
  Check(d.Expect("WM_SLIDER_POS 4 " + std::to_string(kSliderId)), "Right steps the slider to 4");
  d.Key(VK_TAB);
  HWND spinEdit = GetDlgItem(GetDlgItem(gallery, kSpinId), 401);
  Check(focused() == spinEdit, "the next Tab reaches the spin field");
  d.Mark();
  d.Key(VK_UP);
  Check(d.Expect("WM_SPIN_VALUE 255 " + std::to_string(kSpinId)), "Up steps the spin field");
  d.Key(VK_TAB);
  Check(focused() == GetDlgItem(gallery, kPickerId), "the next Tab reaches the colour strip");
  d.Mark();
  d.Key(VK_END);
  Check(d.Expect("WM_COLOR_PICKED 0x"), "End picks the colour at the strip's end");
  d.Key(VK_TAB, true);
  d.Key(VK_TAB, true);
  d.Key(VK_TAB, true);
  Check(focused() == GetDlgItem(gallery, kSignedEditId), "Shift+Tab goes back three times");

  d.Mark();
  d.Click(d.At(kToggleBreathing));
  Check(d.Expect("toggle Breathing 0"), "a click turns Breathing off");
  d.Mark();
  d.Key(VK_SPACE);
  Check(d.Expect("toggle Breathing 1"), "Space on the focused switch turns it on again");
  d.Key(VK_TAB);
  d.Key(VK_RETURN);
  Check(WaitForMenus(1), "Tab, Enter on the effect drop-down opens its menu");
  d.Mark();
  d.Key(VK_DOWN);
  d.Key(VK_RETURN);
  Check(d.Expect("menu 1101 Static"), "Down, Enter chooses Static from the keyboard");
  Check(WaitForMenus(0), "the menu closes");
  Check(focused() == WindowFromPoint(d.At(kEffect)),
        "the focus is back on the drop-down after its menu");
}

void ListEditOpen(Driver& d) {
  // "Rush B", the sixth row, 16 px rows from the list's top.
  d.Mark();
  const POINT row = d.At(kList, 40, 5 * 16 + 8);
  d.RightClick(row);
  Check(WaitForMenus(1), "a right click on a row opens its context menu");
  const std::vector<HWND> menus = VisibleMenus();
  if (menus.empty()) return;
  RECT menuRect;
  GetWindowRect(menus[0], &menuRect);
  Check(std::abs(menuRect.left - row.x) <= 2 && std::abs(menuRect.top - row.y) <= 2,
        "at the cursor");
  d.Click(MenuItem(menus[0], 9));  // Rename
  Check(WaitForMenus(0), "choosing Rename closes the menu");
  d.Key('A', false);
  d.Key(VK_BACK);
  d.Type("Eco round");
}

void ListEditCommit(Driver& d) {
  d.Mark();
  d.Key(VK_RETURN);
  Check(d.Expect("row 5 renamed Eco round"), "Enter commits the in-place edit");
  d.Mark();
  d.Click(d.At(kList, 40, 8));
  d.Click(d.At(kRename));
  d.Type("Nothing");
  d.Key(VK_ESCAPE);
  Check(d.Expect("row 0 kept"), "Escape cancels it");
  d.Mark();
  d.Click(d.At(kAdd));
  d.Key(VK_RETURN);
  Check(d.Expect("row 6 not added"), "a new row left empty goes away");
}

void DialogOpen(Driver& d) {
  d.Click(d.At(kConfirm));
  HWND dialog = WaitForWindow(kDialogClass);
  Check(dialog != nullptr, "Confirm opens the confirmation dialog");
  Check(!IsWindowEnabled(d.gallery()), "its owner, the gallery, is disabled meanwhile");
}

void DialogClose(Driver& d) {
  d.Mark();
  d.Key(VK_TAB);
  d.Key(VK_RETURN);
  Check(d.Expect("confirm 2"), "Tab to CANCEL and Enter end it with IDCANCEL");
  Check(WaitForWindow(kDialogClass, false) != nullptr, "the dialog is gone");
  Check(IsWindowEnabled(d.gallery()), "and the gallery is enabled again");
  d.Click(d.At(kConfirm));
  HWND dialog = WaitForWindow(kDialogClass);
  Check(dialog != nullptr, "it opens again");
  if (!dialog) return;
  d.Mark();
  d.Click(Inside(dialog, kDialogOkButton));
  Check(d.Expect("confirm 1"), "a click on OK ends it with IDOK");
  // OK resets the slider and the spin field from the program: no reports.
  Check(!d.Expect("WM_SPIN_VALUE", 400) && !d.Expect("WM_SLIDER_POS", 0),
        "values set by the program are not reported back");
  Check(TextOf(GetDlgItem(GetDlgItem(d.gallery(), kSpinId), 401)) == "128",
        "the spin field shows the reset value 128");
  d.Click(d.At(kConfirm));
  dialog = WaitForWindow(kDialogClass);
  d.Mark();
  if (dialog) d.Click(Inside(dialog, kDialogExitButton));
  Check(d.Expect("confirm 2"), "the close button ends it with IDCANCEL");
}

void NoticeOpen(Driver& d) {
  d.Click(d.At(kNotice));
  HWND dialog = WaitForWindow(kDialogClass);
  Check(dialog != nullptr, "Notice opens the notice dialog");
  // Dragged by its background.
  if (!dialog) return;
  RECT before, after;
  GetWindowRect(dialog, &before);
  d.Drag(POINT{before.left + 150, before.top + 150}, 10, 5, 4);
  Sleep(300);
  GetWindowRect(dialog, &after);
  Check(after.left - before.left == 40 && after.top - before.top == 20,
        "dragging its background moves it");
}

void NoticeClose(Driver& d) {
  d.Mark();
  d.Key(VK_ESCAPE);
  Check(d.Expect("notice 2"), "Escape closes the notice");
}

void PopupOpen(Driver& d) {
  d.Click(d.At(kLanguage));
  HWND popup = WaitForWindow(kPopupClass);
  Check(popup != nullptr, "Language opens the popup list");
  if (!popup) return;
  RECT r;
  GetWindowRect(popup, &r);
  const POINT buttonCorner = d.At(kLanguage, 0, 0);
  Check(r.left == buttonCorner.x && r.top == buttonCorner.y - kLanguageListRise,
        "its left edge at the button's, 289 px above the button's top");
  d.MoveTo(Inside(popup, kLanguageItems[4]));
  d.MoveTo(POINT{Inside(popup, kLanguageItems[4]).x + 1, Inside(popup, kLanguageItems[4]).y});
}

void PopupChoose(Driver& d) {
  HWND popup = WaitForWindow(kPopupClass);
  d.Mark();
  if (popup) d.Click(Inside(popup, kLanguageItems[4]));
  Check(d.Expect("language 4"), "a click on the fifth item ends the list with 4");
  Check(WaitForWindow(kPopupClass, false) != nullptr, "the list closes");

  d.Click(d.At(kLanguage));
  popup = WaitForPopupCapture(kPopupClass);
  d.Mark();
  // Beside the items: in the item's 6-pixel margin, then far outside.
  if (popup) {
    const SkinRect item = ParseLayoutString(kLanguageItems[0]).rect;
    POINT margin{item.left + 2, item.top + 6};
    ClientToScreen(popup, &margin);
    d.Click(margin);
  }
  Check(d.Expect("language -1"), "a click in an item's margin ends the list with -1");
  d.Click(d.At(kLanguage));
  Check(WaitForPopupCapture(kPopupClass) != nullptr, "the list holds the capture off its items");
  d.Mark();
  d.Click(d.At(kPush));
  Check(d.Expect("language -1"), "a click elsewhere on the screen ends it with -1");
  Check(!d.Expect("click BrelFX", 500), "and that click does not reach the button below");

  d.Click(d.At(kLanguage));
  WaitForWindow(kPopupClass);
  d.Mark();
  d.MoveTo(d.At(kPush));
  d.Key(VK_DOWN);
  d.Key(VK_DOWN);
  d.Key(VK_RETURN);
  Check(d.Expect("language 1"), "Down, Down, Enter chooses the second item");

  ClickExpecting(d, kShowPicture, "picture shown 0", "the picture hides");
  ClickExpecting(d, kShowPicture, "picture shown 1", "and shows again");
}

void MenuOpen(Driver& d) {
  d.Click(d.At(kEffect));
  Check(WaitForMenus(1), "the effect menu opens under its button");
  const std::vector<HWND> menus = VisibleMenus();
  if (menus.empty()) return;
  RECT menuRect;
  GetWindowRect(menus[0], &menuRect);
  const POINT corner = d.At(kEffect, 0, ParseLayoutString(kEffect).rect.Height());
  Check(menuRect.left == corner.x && menuRect.top == corner.y,
        "at the button's bottom-left corner");
  // Static, Breathing, Flow (18 each), the hidden item (0), a separator (5), Speed.
  d.MoveTo(MenuItem(menus[0], 54 + 5 + 9));
  Check(WaitForMenus(2), "hovering Speed opens its submenu");
  const std::vector<HWND> both = VisibleMenus();
  for (HWND m : both)
    if (m != menus[0]) d.MoveTo(MenuItem(m, 18 + 9));
}

void MenuChoose(Driver& d) {
  const std::vector<HWND> menus = VisibleMenus();
  Check(menus.size() == 2, "the menu and its submenu are still open");
  if (menus.empty()) return;
  // The submenu opens to the right of its menu.
  HWND submenu = menus[0];
  for (HWND m : menus) {
    RECT r, best;
    GetWindowRect(m, &r);
    GetWindowRect(submenu, &best);
    if (r.left > best.left) submenu = m;
  }
  d.Mark();
  d.Click(MenuItem(submenu, 36 + 9));
  Check(d.Expect("menu 1203 Fast"), "choosing Fast in the submenu reaches the owner");
  Check(WaitForMenus(0), "the menus close");

  // A click on the button whose menu is open closes it and does not reopen it.
  d.Click(d.At(kEffect));
  Check(WaitForMenus(1), "the menu opens again");
  d.Click(d.At(kEffect));
  Sleep(400);
  Check(VisibleMenus().empty(), "a second click on its button only closes it");
  d.Click(d.At(kEffect));
  Check(WaitForMenus(1), "the next click opens it again");
  d.Key(VK_ESCAPE);
  Check(WaitForMenus(0), "Escape closes it");
}

void Close(Driver& d) {
  d.Mark();
  d.Click(d.At(kClose));
  bool gone = false;
  for (int waited = 0; waited < 5000 && !gone; waited += 100) {
    gone = !IsWindow(d.gallery());
    Sleep(100);
  }
  Check(gone, "the close button ends the gallery");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skin-gallery-driver TRACE_FILE PHASE (see the source)\n");
    return 2;
  }
  Driver driver(argv[1]);
  if (!driver.FindGallery(30000)) {
    std::printf("FAIL: no window titled \"%s\"\n", kTitle);
    return 1;
  }
  // The gallery, or the dialog or list it has open (a user's click on the
  // disabled gallery brings that forward too).
  SetForegroundWindow(GetLastActivePopup(driver.gallery()));
  const std::string phase = argv[2];
  if (phase == "interact")
    Interact(driver);
  else if (phase == "menu-open")
    MenuOpen(driver);
  else if (phase == "menu-choose")
    MenuChoose(driver);
  else if (phase == "close")
    Close(driver);
  else if (phase == "keyboard")
    Keyboard(driver);
  else if (phase == "list-edit-open")
    ListEditOpen(driver);
  else if (phase == "list-edit-commit")
    ListEditCommit(driver);
  else if (phase == "dialog-open")
    DialogOpen(driver);
  else if (phase == "dialog-close")
    DialogClose(driver);
  else if (phase == "notice-open")
    NoticeOpen(driver);
  else if (phase == "notice-close")
    NoticeClose(driver);
  else if (phase == "popup-open")
    PopupOpen(driver);
  else if (phase == "popup-choose")
    PopupChoose(driver);
  else
    return 2;
  std::printf("%s: %d failed\n", phase.c_str(), failures);
  return failures == 0 ? 0 : 1;
}
