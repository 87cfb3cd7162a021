#include "option/win32/trovi_page/trovi_page_wnd.h"

#include <windowsx.h>

#include <cstdio>

#include "option/app/trovi_page/first_start.h"
#include "option/help/help_ids.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/win32/main_window_layout.h"
#include "option/win32/option_art_ids.h"
#include "option/win32/page_help_texts.h"
#include "option/win32/trovi_page/trophy_share.h"
#include "platform/file_system.h"
#include "platform/win32/wide_text.h"

namespace brelfx {
namespace {

using namespace trovi_page;

constexpr UINT WM_SHARE_DONE = WM_APP + 21;
constexpr int kFirstAnimationId = 700;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Dialogs are shaped by their picture; the page is a rectangle.
SkinSetIds DialogIds(int first) {
  return {first, first + 1, first + 2, first + 3, first + 4};
}
SkinSetIds PageIds(int first) {
  return {0, first + 1, first + 2, first + 3, first + 4};
}

class CounterResetQuestion final : public CConfirmDialog {
 public:
  CounterResetQuestion()
      : CConfirmDialog(
            DialogIds(BRELFX_IDB_CONFIRM_COUNTER_RESET),
            ConfirmLayout{layout::kConfirmOk, layout::kConfirmCancel, layout::kConfirmExit}) {}
};

class ShareNotice final : public CNoticeDialog {
 public:
  explicit ShareNotice(int skin)
      : CNoticeDialog(DialogIds(skin), NoticeLayout{kNoticeOk, layout::kConfirmExit}) {}
};

LocalDateTime LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void TextAt(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

RECT ListView() {
  return {kListLeft, kListTop, kListLeft + kListWidth, kListTop + kListViewHeight};
}

}  // namespace

CTroviPageWnd::CTroviPageWnd(std::string programFolder, std::function<void()> countersReset)
    : CPageWnd(PageIds(BRELFX_IDB_TROVI_PAGE)),
      programFolder_(std::move(programFolder)),
      countersReset_(std::move(countersReset)) {}

CTroviPageWnd::~CTroviPageWnd() {
  // The animations stop drawing before their window goes.
  for (CAnimatedPicture& animation : animations_) animation.Stop();
  DestroyWindowNow();
}

void CTroviPageWnd::OnCreatePage() {
  const HWND self = hwnd();
  const SkinSet& set = skin();
  numberFont_ = CreateSkinFont("Arial Narrow", 14, 6);
  countFont_ = CreateSkinFont("Arial", 14, 6, FW_BOLD);
  captionFont_ = CreateSkinFont("Arial", 15, 7, FW_BOLD);
  for (auto [button, text] : {std::pair{&previousMode_, kPreviousMode},
                              {&nextMode_, kNextMode},
                              {&previousTrophy_, kPreviousTrophy},
                              {&nextTrophy_, kNextTrophy},
                              {&share_, kShare},
                              {&reset_, kReset}})
    PlaceSkinButton(self, *button, text, set);
  const RECT picture = ToRect(ParseLayoutString(kTrophyPicture).rect);
  const RECT text = ToRect(ParseLayoutString(kTrophyText).rect);
  for (int i = 0; i <= kTrophyCount; ++i) {
    pictures_[i].Create(self, picture, false);
    pictures_[i].SetPicture(BRELFX_IDB_TROPHY_PICTURE + i);
    texts_[i].Create(self, text, false);
    texts_[i].SetPicture(BRELFX_IDB_TROPHY_TEXT + i);
  }
  const RECT title = ToRect(ParseLayoutString(kModeTitle).rect);
  for (int mode = 0; mode < kModeCount; ++mode) {
    titles_[mode].Create(self, title, false);
    titles_[mode].SetPicture(BRELFX_IDB_STATISTICS_TITLE + mode);
  }
  titles_[static_cast<int>(model_.mode())].Show(true);
  list_ = LoadSkinBitmap(BRELFX_IDB_STATISTICS_LIST);
  // Every level's animation is ready but hidden; only the current one plays,
  // filling the level banner (the animations are painted at its size).
  const RECT banner = ToRect(ParseLayoutString(kLevelBanner).rect);
  banner_.Create(self, banner, false);
  banner_.SetPictureFromSkin(set.Image(SkinRole::kNormal));
  SetWindowLongA(banner_.hwnd(), GWL_STYLE,
                 GetWindowLongA(banner_.hwnd(), GWL_STYLE) | WS_CLIPCHILDREN);
  for (int level = 1; level <= kTrophyCount; ++level) {
    CAnimatedPicture& animation = animations_[level - 1];
    animation.Create(banner_.hwnd(), 0, 0, kFirstAnimationId + level);
    wchar_t name[16];
    std::swprintf(name, 16, L"Gif\\%02d.gif", level);
    animation.LoadFromFile(WideFromUtf8(programFolder_) + name);
  }
  Refresh();
}

void CTroviPageWnd::Reload(SettingsBlock& edited) {
  edited_ = &edited;
  Refresh();
}

void CTroviPageWnd::Refresh() {
  if (!hwnd() || !edited_) return;
  const LocalDateTime now = LocalNow();
  const LocalDateTime start = ReadFirstStart(SystemFileSystem(), programFolder_, now);
  ShowLevel(model_.Refresh(edited_->InfoData, ElapsedSince(start, now)));
  ShowTrophy();
  Redraw();
}

void CTroviPageWnd::ShowLevel(const LevelAnimationChange& change) {
  if (!change.changed()) return;
  if (change.hide > 0) {
    CAnimatedPicture& old = animations_[change.hide - 1];
    old.Stop();
    ShowWindow(old.hwnd(), SW_HIDE);
  }
  banner_.Show(change.show > 0);
  if (change.show > 0) {
    CAnimatedPicture& current = animations_[change.show - 1];
    ShowWindow(current.hwnd(), SW_SHOWNA);
    current.Draw();
  }
}

void CTroviPageWnd::ShowTrophy() {
  const TrophyView view = model_.trophy();
  for (int i = 0; i <= kTrophyCount; ++i) {
    pictures_[i].Show(i == view.picture);
    texts_[i].Show(i == view.picture);
  }
  EnableWindow(share_.hwnd(), view.shareEnabled);
}

void CTroviPageWnd::ShowMode(StatisticsMode previous) {
  titles_[static_cast<int>(previous)].Show(false);
  titles_[static_cast<int>(model_.mode())].Show(true);
}

void CTroviPageWnd::Redraw() {
  // The page's window text is what it prints, a line each, for screen
  // readers and the end-to-end test.
  std::string shown =
      model_.TrophyNumberText() + "\n" + model_.LevelText() + "\n" + model_.UnlockedText();
  for (const StatisticLine& line : model_.Lines()) shown += "\n" + line.text;
  SetWindowTextA(hwnd(), shown.c_str());
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CTroviPageWnd::ReloadStrings(StringSource& strings) {
  SetTooltipFrom(strings, previousMode_, help_ids::kPreviousStatistics);
  SetTooltipFrom(strings, nextMode_, help_ids::kNextStatistics);
  SetTooltipFrom(strings, previousTrophy_, help_ids::kPreviousTrophy);
  SetTooltipFrom(strings, nextTrophy_, help_ids::kNextTrophy);
  SetTooltipFrom(strings, share_, help_ids::kShareTrophy);
  SetTooltipFrom(strings, reset_, help_ids::kResetCounters);
}

LRESULT CTroviPageWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SHARE_DONE:
      OnShareDone(wParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (model_.ScrollList(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1)) Redraw();
      return 0;
    case WM_LBUTTONDOWN:
      if (OnListScroll(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
      return CPageWnd::HandleMessage(message, wParam, lParam);
    default:
      return CPageWnd::HandleMessage(message, wParam, lParam);
  }
}

void CTroviPageWnd::OnCommand(HWND control) {
  if (!control) return;
  const StatisticsMode mode = model_.mode();
  if (control == previousMode_.hwnd() || control == nextMode_.hwnd()) {
    if (control == previousMode_.hwnd() ? model_.PreviousMode() : model_.NextMode()) {
      ShowMode(mode);
      Redraw();
    }
    return;
  }
  if (control == previousTrophy_.hwnd() || control == nextTrophy_.hwnd()) {
    if (control == previousTrophy_.hwnd() ? model_.PreviousTrophy() : model_.NextTrophy()) {
      ShowTrophy();
      Redraw();
    }
    return;
  }
  if (control == share_.hwnd()) return Share();
  if (control == reset_.hwnd()) return ConfirmReset();
}

// A click on the scroll strip beside the list moves it a row up (above the
// middle of the visible part) or down.
bool CTroviPageWnd::OnListScroll(POINT at) {
  const RECT strip = ToRect(ParseLayoutString(kListScroll).rect);
  if (!PtInRect(&strip, at)) return false;
  if (model_.ScrollList(at.y < (strip.top + strip.bottom) / 2 ? -1 : 1)) Redraw();
  return true;
}

void CTroviPageWnd::ConfirmReset() {
  CounterResetQuestion question;
  if (question.RunModal(GetAncestor(hwnd(), GA_ROOT)) != kDialogOk || !edited_) return;
  model_.ResetCounters(edited_->InfoData);
  if (countersReset_) countersReset_();
  Redraw();
}

void CTroviPageWnd::Share() {
  if (!model_.trophy().shareEnabled) return;
  // One share at a time: the button waits for the answer.
  if (StartTrophyShare(hwnd(), WM_SHARE_DONE, model_.selectedTrophy(),
                       WideFromUtf8(programFolder_ + "config.ini")))
    EnableWindow(share_.hwnd(), FALSE);
}

void CTroviPageWnd::OnShareDone(WPARAM result) {
  ShowTrophy();
  const auto outcome = static_cast<ShareResult>(result);
  if (outcome == ShareResult::kOpened) return;
  ShareNotice notice(outcome == ShareResult::kRefusedReply ? BRELFX_IDB_SHARE_REFUSED
                                                           : BRELFX_IDB_SHARE_FAILED);
  notice.RunModal(GetAncestor(hwnd(), GA_ROOT));
}

void CTroviPageWnd::PaintOver(HDC dc, const RECT&) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kWhite);
  DrawStatistics(dc);
  {
    SelectGuard font(dc, captionFont_.get());
    TextAt(dc, kTrophyNumberX, kTrophyNumberY, model_.TrophyNumberText());
    TextAt(dc, kLevelX, kLevelY, model_.LevelText());
    // Right-aligned, so "16/16" ends inside the strip as "1/16" does.
    const UINT align = SetTextAlign(dc, TA_RIGHT);
    TextAt(dc, kUnlockedRight, kLevelY, model_.UnlockedText());
    SetTextAlign(dc, align);
  }
  // The scroll strip's thumb: where the list's view lies in the whole list.
  const RECT strip = ToRect(ParseLayoutString(kListScroll).rect);
  const int travel = strip.bottom - strip.top - 40;
  const int top = strip.top + travel * model_.listRow() / kLastListRow;
  RECT thumb{strip.left + 3, top + 2, strip.right - 3, top + 38};
  const UniqueBrush accent(CreateSolidBrush(kFocusMarkColor));
  FillRect(dc, &thumb, accent.get());
}

// The list picture from the current row, the values over it at their
// places in the picture, cut to the list's window on the page.
void CTroviPageWnd::DrawStatistics(HDC dc) {
  const RECT view = ListView();
  const int top = view.top - model_.listRow();
  if (list_) {
    const UniqueMemoryDc source(CreateCompatibleDC(dc));
    SelectGuard picture(source.get(), list_.get());
    BitBlt(dc, view.left, view.top, kListWidth, kListViewHeight, source.get(), 0, model_.listRow(),
           SRCCOPY);
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, view.left, view.top, view.right, view.bottom);
  for (const StatisticLine& line : model_.Lines()) {
    SelectObject(dc, line.bold ? countFont_.get() : numberFont_.get());
    TextAt(dc, line.x, top + line.y, line.text);
  }
  RestoreDC(dc, saved);
}

}  // namespace brelfx
