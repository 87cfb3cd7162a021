#include "option/skin/win32/gallery/gallery_demos.h"

#include "option/skin/win32/gallery/gallery_layout.h"
#include "option/skin/win32/offscreen.h"

namespace brelfx {
namespace {

using namespace gallery;

constexpr COLORREF kHeadingColor = RGB(230, 236, 244);
constexpr COLORREF kTextColor = RGB(190, 198, 208);
constexpr COLORREF kAccentColor = RGB(53, 160, 222);

SkinSetIds IdsFrom(int first) {
  return SkinSetIds{first, first + 1, first + 2, first + 3, first + 4};
}

void Wording(HDC dc, const char* heading, const char* line1, const char* line2) {
  static const UniqueFont headingFont = CreateSkinFont("Arial", 16, 0, FW_BOLD);
  static const UniqueFont textFont = CreateSkinFont("Arial", 14);
  SetBkMode(dc, TRANSPARENT);
  {
    SelectGuard font(dc, headingFont.get());
    SetTextColor(dc, kHeadingColor);
    TextOutA(dc, 16, 7, heading, lstrlenA(heading));
  }
  SelectGuard font(dc, textFont.get());
  SetTextColor(dc, kAccentColor);
  TextOutA(dc, 32, 60, "ATTENTION", 9);
  SetTextColor(dc, kTextColor);
  TextOutA(dc, 32, 88, line1, lstrlenA(line1));
  TextOutA(dc, 32, 106, line2, lstrlenA(line2));
}

}  // namespace

GalleryConfirm::GalleryConfirm()
    : CConfirmDialog(IdsFrom(kConfirmSkin),
                     ConfirmLayout{kDialogOkButton, kDialogCancelButton, kDialogExitButton}) {}

bool GalleryConfirm::OnInitDialog() {
  CConfirmDialog::OnInitDialog();
  OkButton().SetCaption("OK");
  CancelButton().SetCaption("CANCEL");
  return true;
}

void GalleryConfirm::PaintOver(HDC dc, const RECT&) {
  Wording(dc, "DELETE MACRO", "Do you really want to delete", "the selected macro?");
}

GalleryNotice::GalleryNotice()
    : CNoticeDialog(IdsFrom(kNoticeSkin), NoticeLayout{kNoticeOkButton, kDialogExitButton}) {}

bool GalleryNotice::OnInitDialog() {
  CNoticeDialog::OnInitDialog();
  OkButton().SetCaption("OK");
  return true;
}

void GalleryNotice::PaintOver(HDC dc, const RECT&) {
  Wording(dc, "DELETE MACRO", "Please select a macro", "to delete.");
}

const char* GalleryLanguageName(int index) {
  static const char* const kNames[17] = {
      "Danish",   "English", "Finnish",        "French",  "German",          "Italian",
      "Japanese", "Korean",  "Polish",         "Russian", "Chinese, simpl.", "Spanish",
      "Swedish",  "Thai",    "Chinese, trad.", "Turkish", "Vietnamese"};
  return index >= 0 && index < 17 ? kNames[index] : "";
}

}  // namespace brelfx
