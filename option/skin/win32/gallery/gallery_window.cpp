#include "option/skin/win32/gallery/gallery_window.h"

#include <cstdio>

#include "option/skin/lists/list_rows.h"
#include "option/skin/menu_metrics.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/gallery/gallery_layout.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/lists/popup_list.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_menu.h"
#include "option/skin/win32/skin_resource_ids.h"

namespace brelfx {
namespace {

using namespace gallery;

constexpr const char* kGalleryClass = "BrelFX.SkinGallery";
constexpr COLORREF kSwatchColors[3] = {RGB(230, 40, 40), RGB(40, 200, 80), RGB(40, 120, 240)};
constexpr COLORREF kTitleColor = RGB(230, 236, 244);
constexpr COLORREF kLabelColor = RGB(150, 160, 172);
constexpr COLORREF kCaptionColor = RGB(53, 160, 222);
constexpr COLORREF kEventColor = RGB(190, 198, 208);
constexpr std::size_t kShownEvents = 7;
constexpr int kWidth = 840, kHeight = 640;

void Text(HDC dc, int x, int y, COLORREF color, const std::string& text) {
  SetTextColor(dc, color);
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// The languages in the order of the language list's rows.
const char* LanguageName(int index) {
  static const char* const kNames[17] = {"Danish",
                                         "English",
                                         "Finnish",
                                         "French",
                                         "German",
                                         "Italian",
                                         "Japanese",
                                         "Korean",
                                         "Polish",
                                         "Russian",
                                         "Simplified Chinese",
                                         "Spanish",
                                         "Swedish",
                                         "Thai",
                                         "Traditional Chinese",
                                         "Turkish",
                                         "Vietnamese"};
  return index >= 0 && index < 17 ? kNames[index] : "";
}

SkinSetIds IdsFrom(int first) {
  return SkinSetIds{first, first + 1, first + 2, first + 3, first + 4};
}

const char* EffectName(unsigned id) {
  switch (id) {
    case kMenuStatic:
      return "Static";
    case kMenuBreathing:
      return "Breathing";
    case kMenuFlow:
      return "Flow";
    case kMenuSlow:
      return "Slow";
    case kMenuNormal:
      return "Normal";
    case kMenuFast:
      return "Fast";
    default:
      return "Effect";
  }
}

}  // namespace

CSkinGalleryWnd::CSkinGalleryWnd(std::FILE* trace) : SkinWindow(DragMoves::kSelf), trace_(trace) {}

CSkinGalleryWnd::~CSkinGalleryWnd() {
  DestroyWindowNow();
}

bool CSkinGalleryWnd::Create() {
  if (!RegisterWindowClass(kGalleryClass)) return false;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  return CreateWindowObject(WS_EX_APPWINDOW, kGalleryClass, kTitle,
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                            RECT{x, y, x + kWidth, y + kHeight}, nullptr, nullptr) != nullptr;
}

LRESULT CSkinGalleryWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SLIDER_POS:
      Record("WM_SLIDER_POS " + std::to_string(wParam) + " " + std::to_string(lParam), true);
      return 0;
    case WM_SPIN_VALUE:
      Record("WM_SPIN_VALUE " + std::to_string(static_cast<int>(wParam)) + " " +
                 std::to_string(lParam),
             true);
      return 0;
    case WM_EDIT_NOTIFY:
      Record("WM_EDIT_NOTIFY " + std::to_string(wParam), true);
      return 0;
    case WM_COLOR_PICKED: {
      char line[64];
      std::snprintf(line, sizeof(line), "WM_COLOR_PICKED 0x%06lX",
                    static_cast<unsigned long>(picker_.GetColor()));
      picked_.SetColor(picker_.GetColor());
      Record(line, true);
      return 0;
    }
    case WM_CONTROL_HOVER:
      Record("WM_CONTROL_HOVER " + std::to_string(wParam) + " " + std::to_string(lParam), false);
      return 0;
    case WM_HELP_TEXT:
      Record("WM_HELP_TEXT " + std::to_string(wParam) + " " + CurrentHelpText(), false);
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_CONTEXTMENU:
      return OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message == BitmapEditKillFocusMessage()) {
        Record("BitmapEdit_KillFocus", true);
        return 0;
      }
      return SkinWindow::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CSkinGalleryWnd::OnCreate() {
  if (!LoadSkin(SkinSetIds{kSkinShape, kSkinNormal, kSkinHover, kSkinPressed, kSkinExtra}))
    return -1;
  ApplyShape();
  titleFont_ = CreateSkinFont("Arial", 18, 0, FW_BOLD);
  labelFont_ = CreateSkinFont("Arial", 14);
  menuFont_ = CreateSkinFont("Arial", 14, 5);
  const SkinSet& set = skin();
  HWND self = hwnd();

  PlaceSkinButton(self, close_, kClose, set);
  PlaceSkinButton(self, push_, kPush, set);
  push_.SetCaption("BrelFX");
  push_.SetTmMark(true);
  push_.SetHandCursor(true);
  push_.SetHoverIndex(kPushHover);
  PlaceSkinButton(self, disabled_, kDisabled, set);
  disabled_.SetCaption("Disabled");
  disabled_.SetHoverIndex(kPushHover + 1);
  EnableWindow(disabled_.hwnd(), FALSE);
  PlaceSkinButton(self, lighting_, kToggleLighting, set, true);
  lighting_.SetCaption("Lighting");
  lighting_.SetHoverIndex(kPushHover + 2);
  PlaceSkinButton(self, breathing_, kToggleBreathing, set, true);
  breathing_.SetCaption("Breathing");
  breathing_.SetHoverIndex(kPushHover + 3);
  breathing_.SetChecked(true);
  PlaceSkinButton(self, effect_, kEffect, set);
  effect_.SetCaption("Effect");
  effect_.SetHoverIndex(kPushHover + 4);
  for (int i = 0; i < 3; ++i) {
    PlaceSkinButton(self, swatches_[i], kSwatches[i], set);
    swatches_[i].SetColor(kSwatchColors[i]);
    swatches_[i].SetHoverIndex(kPushHover + 5 + i);
  }
  ChooseSwatch(0);
  PlaceSkinButton(self, picked_, kPicked, set);
  picked_.SetColor(RGB(255, 255, 255));

  const LayoutItem text = ParseLayoutString(kTextEdit);
  textEdit_.Create(WS_VISIBLE | WS_TABSTOP, ToRect(text.rect), self, kTextEditId);
  textEdit_.SetColors(RGB(230, 236, 244), RGB(8, 9, 11));
  textEdit_.SetHelpText(text.tooltip);
  textEdit_.SetText("Brel FX");

  const LayoutItem signedEdit = ParseLayoutString(kSignedEdit);
  signedEdit_.Create(WS_VISIBLE | WS_TABSTOP, ToRect(signedEdit.rect), self, kSignedEditId);
  signedEdit_.SetColors(RGB(230, 236, 244), RGB(8, 9, 11));
  signedEdit_.SetNumeric(true);
  signedEdit_.AllowSign(true);
  signedEdit_.SetHelpText(signedEdit.tooltip);

  const LayoutItem slider = ParseLayoutString(kSlider);
  if (slider_.Create(BRELFX_IDB_SLIDER_THUMB, ToRect(slider.rect), self, kSliderId)) {
    slider_.SetBackground(ToRect(slider.rect), set.Image(SkinRole::kNormal));
    slider_.SetRange(0, 5);
    slider_.SetRounding(true);
    slider_.SetPos(2);
    slider_.SetHelpText(slider.tooltip);
  }

  const LayoutItem spin = ParseLayoutString(kSpin);
  if (spin_.Create(ToRect(spin.rect), self, kSpinId)) {
    spin_.SetSkin(set);
    spin_.SetRange(0, 255);
    spin_.SetValue(128);
    spin_.SetHelpText(spin.tooltip);
  }

  const LayoutItem picker = ParseLayoutString(kPicker);
  picker_.Create(ToRect(picker.rect), self, kPickerId, BRELFX_IDB_COLOR_SPECTRUM,
                 BRELFX_IDB_COLOR_MARKER);
  PlaceListsAndDialogs();
  return 0;
}

void CSkinGalleryWnd::PlaceListsAndDialogs() {
  const SkinSet& set = skin();
  HWND self = hwnd();
  list_.Create(self, ToRect(ParseLayoutString(kList).rect), kListId);
  // Rows as the macro editor shows them: the item data says which style.
  list_.AddRow("A Press", RowItemData(0, kRowPress));
  list_.AddRow("120 ms", RowItemData(0, kRowDelay));
  list_.AddRow("A Release", RowItemData(1, kRowRelease));
  list_.AddRow("Left Button Press", RowItemData(2, kRowMouse));
  list_.AddRow("Left Button Release", RowItemData(3, kRowMouse));
  list_.AddRow("Rush B", 0);
  list_.Select(0);
  const std::pair<CSkinButton*, const char*> buttons[] = {{&rename_, kRename},
                                                          {&add_, kAdd},
                                                          {&confirm_, kConfirm},
                                                          {&notice_, kNotice},
                                                          {&language_, kLanguage}};
  for (const auto& [button, layout] : buttons) {
    PlaceSkinButton(self, *button, layout, set);
    button->SetCaption(ParseLayoutString(layout).name);
  }
  language_.SetCaption(LanguageName(1));
  picture_.Create(self, ToRect(ParseLayoutString(kPicture).rect));
  picture_.SetPicture(kPictureSkin + 1);
  PlaceSkinButton(self, showPicture_, kShowPicture, set, true);
  showPicture_.SetCaption("Show");
  showPicture_.SetChecked(true);
  PlaceSkinButton(self, litPicture_, kLitPicture, set, true);
  litPicture_.SetCaption("Lit");
  PlaceAnimations();
}

void CSkinGalleryWnd::PlaceAnimations() {
  wchar_t path[MAX_PATH];
  std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  folder.resize(folder.find_last_of(L'\\') + 1);
  for (int i = 0; i < kAnimationCount; ++i) {
    wchar_t name[16];
    swprintf(name, 16, L"Gif\\%02d.gif", kAnimationLevels[i]);
    CAnimatedPicture& animation = animations_[i];
    if (animation.Create(hwnd(), kAnimationLeft, kAnimationTops[i], 0) &&
        animation.LoadFromFile(folder + name)) {
      ShowWindow(animation.hwnd(), SW_SHOWNA);
      animation.Draw();
    } else {
      Record("animation " + std::to_string(kAnimationLevels[i]) + " did not load", true);
    }
  }
  PlaceSkinButton(hwnd(), play_, kPlay, skin(), true);
  play_.SetCaption("Playing");
  play_.SetChecked(true);
}

LRESULT CSkinGalleryWnd::OnContextMenu(HWND control, LPARAM position) {
  if (control != list_.hwnd()) return 0;
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(140);
  menu.AppendItem(kMenuRename, "Rename");
  menu.AppendSeparator();
  menu.AppendItem(kMenuDelete, "Delete");
  list_.TrackContextMenu(menu, hwnd(), position);
  return 0;
}

void CSkinGalleryWnd::RenameRow(int row) {
  if (row < 0) {
    OpenNotice();  // "Please select an entry in the list first"
    return;
  }
  list_.EditRow(row, 24, [this, row](std::optional<std::string> text) {
    if (text) list_.SetRowText(row, *text);
    Record("row " + std::to_string(row) + (text ? " renamed " + *text : " kept"), true);
  });
}

void CSkinGalleryWnd::AddRow() {
  const int row = list_.AddRow("");
  list_.EditRow(row, 24, [this, row](std::optional<std::string> text) {
    // A new row without a name goes away again.
    if (text) {
      list_.SetRowText(row, *text);
    } else {
      list_.RemoveRow(row);
    }
    Record("row " + std::to_string(row) + (text ? " added " + *text : " not added"), true);
  });
}

void CSkinGalleryWnd::OpenConfirm() {
  // "Do you really want to reset the gallery's values?"
  CConfirmDialog dialog(IdsFrom(kConfirmSkin),
                        ConfirmLayout{kDialogOkButton, kDialogCancelButton, kDialogExitButton});
  const int result = dialog.RunModal(hwnd());
  if (result == kDialogOk) {
    // Values set by the program: the slider and spin field report nothing.
    slider_.SetPos(2);
    spin_.SetValue(128);
  }
  Record("confirm " + std::to_string(result), true);
}

void CSkinGalleryWnd::OpenNotice() {
  CNoticeDialog dialog(IdsFrom(kNoticeSkin), NoticeLayout{kNoticeOkButton, kDialogExitButton});
  Record("notice " + std::to_string(dialog.RunModal(hwnd())), true);
}

void CSkinGalleryWnd::OpenLanguageList() {
  std::vector<const char*> items(std::begin(kLanguageItems), std::end(kLanguageItems));
  // Names and flags are in the list's pictures.
  CPopupList languages(IdsFrom(kPopupSkin), items);
  RECT button;
  GetWindowRect(language_.hwnd(), &button);
  const int chosen = languages.Run(hwnd(), POINT{button.left, button.top - kLanguageListRise});
  if (chosen >= 0) language_.SetCaption(LanguageName(chosen));
  Record("language " + std::to_string(chosen), true);
}

LRESULT CSkinGalleryWnd::OnCommand(unsigned id, HWND control) {
  // Buttons all carry id 0: they are told apart by their window handles.
  if (!control) {
    OnMenuChoice(id);
  } else if (control == close_.hwnd()) {
    Record("close", false);
    DestroyWindow(hwnd());
  } else if (control == push_.hwnd()) {
    Record("click BrelFX", true);
  } else if (control == lighting_.hwnd() || control == breathing_.hwnd()) {
    const CSkinButton& toggle = control == lighting_.hwnd() ? lighting_ : breathing_;
    Record("toggle " + toggle.Caption() + " " + (toggle.IsChecked() ? "1" : "0"), true);
  } else if (control == effect_.hwnd()) {
    OpenEffectMenu();
  } else if (control == rename_.hwnd()) {
    RenameRow(list_.Selected());
  } else if (control == add_.hwnd()) {
    AddRow();
  } else if (control == confirm_.hwnd()) {
    OpenConfirm();
  } else if (control == notice_.hwnd()) {
    OpenNotice();
  } else if (control == language_.hwnd()) {
    OpenLanguageList();
  } else if (control == showPicture_.hwnd()) {
    picture_.Show(showPicture_.IsChecked());
    Record(std::string("picture shown ") + (picture_.IsShown() ? "1" : "0"), true);
  } else if (control == litPicture_.hwnd()) {
    picture_.SetPicture(kPictureSkin + (litPicture_.IsChecked() ? 3 : 1));
    Record("picture " + std::to_string(picture_.PictureId()), true);
  } else if (control == play_.hwnd()) {
    for (CAnimatedPicture& animation : animations_) {
      if (play_.IsChecked())
        animation.Draw();
      else
        animation.Stop();
    }
    play_.SetCaption(play_.IsChecked() ? "Playing" : "Stopped");
    Record(std::string("animations ") + (play_.IsChecked() ? "playing" : "stopped"), true);
  } else if (control == list_.hwnd()) {
    return 0;  // selection changes
  } else {
    for (int i = 0; i < 3; ++i)
      if (control == swatches_[i].hwnd()) ChooseSwatch(i);
  }
  return 0;
}

void CSkinGalleryWnd::OpenEffectMenu() {
  CSkinMenu speed(menuFont_.get());
  speed.SetMinWidth(96);
  speed.AppendItem(kMenuSlow, "Slow", nullptr, speedChoice_ == kMenuSlow);
  speed.AppendItem(kMenuNormal, "Normal", nullptr, speedChoice_ == kMenuNormal);
  speed.AppendItem(kMenuFast, "Fast", nullptr, speedChoice_ == kMenuFast);
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(150);
  menu.AppendItem(kMenuStatic, "Static", nullptr, effectChoice_ == kMenuStatic);
  menu.AppendItem(kMenuBreathing, "Breathing", nullptr, effectChoice_ == kMenuBreathing);
  menu.AppendItem(kMenuFlow, "Flow", nullptr, effectChoice_ == kMenuFlow, true);
  menu.AppendItem(1, "never shown");
  menu.AppendSeparator();
  menu.AppendItem(0, "Speed", &speed);
  TrackDropDownMenu(menu, effect_, hwnd(), effectGuard_);
}

void CSkinGalleryWnd::OnMenuChoice(unsigned id) {
  if (id == kMenuRename) {
    RenameRow(list_.Selected());
    return;
  }
  if (id == kMenuDelete) {
    const int row = list_.Selected();
    list_.RemoveRow(row);
    Record("row " + std::to_string(row) + " deleted", true);
    return;
  }
  if (id >= kMenuSlow && id <= kMenuFast) {
    speedChoice_ = id;
  } else if (id >= kMenuStatic && id <= kMenuFlow) {
    effectChoice_ = id;
    effect_.SetCaption(EffectName(id));
    effect_.SetTmMark(id == kMenuFlow);
  } else {
    return;
  }
  Record("menu " + std::to_string(id) + " " + EffectName(id), true);
}

void CSkinGalleryWnd::ChooseSwatch(int index) {
  for (int i = 0; i < 3; ++i) swatches_[i].SetChecked(i == index);
  Record("swatch " + std::to_string(index + 1), true);
}

void CSkinGalleryWnd::Record(const std::string& line, bool show) {
  if (trace_) {
    std::fprintf(trace_, "%s\n", line.c_str());
    std::fflush(trace_);
  }
  if (!show) return;
  events_.push_back(line);
  while (events_.size() > kShownEvents) events_.pop_front();
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CSkinGalleryWnd::PaintOver(HDC dc, const RECT&) {
  SetBkMode(dc, TRANSPARENT);
  {
    SelectGuard font(dc, titleFont_.get());
    Text(dc, 28, 11, kTitleColor, "BRELFX  SKIN GALLERY");
  }
  SelectGuard font(dc, labelFont_.get());
  Text(dc, 300, 14, kLabelColor, "drag me anywhere on the background");
  Text(dc, 72, 56, kCaptionColor, "BUTTONS");
  Text(dc, 364, 56, kCaptionColor, "VALUES");
  Text(dc, 72, 244, kCaptionColor, "COLOUR PICKER");
  Text(dc, 72, 320, kCaptionColor, "LIST AND IN-PLACE EDIT");
  Text(dc, 364, 320, kCaptionColor, "DIALOGS AND PICTURE");
  Text(dc, 72, 484, kCaptionColor, "OWNER MESSAGES");
  Text(dc, 656, 56, kCaptionColor, "ANIMATED PICTURES");
  Text(dc, 324, 79, kLabelColor, "Name");
  Text(dc, 324, 115, kLabelColor, "Bright");
  Text(dc, 324, 149, kLabelColor, "Red");
  Text(dc, 440, 149, kLabelColor, "Signed");
  Text(dc, 252, 268, kLabelColor, "picked colour");
  int y = 502;
  for (const std::string& line : events_) {
    Text(dc, 32, y, kEventColor, line);
    y += 13;
  }
  Text(dc, 28, 611, kLabelColor, CurrentHelpText());
}

}  // namespace brelfx
