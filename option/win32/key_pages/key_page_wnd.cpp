#include "option/win32/key_pages/key_page_wnd.h"

#include "option/app/key_pages/function_menu.h"
#include "option/app/key_pages/key_commands.h"
#include "option/app/key_pages/media_player_choice.h"
#include "option/app/main_view_state.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/win32/key_pages/key_command_dialogs.h"
#include "option/win32/key_pages/skin_menu_tree.h"
#include "option/win32/option_art_ids.h"
#include "platform/win32/current_keyboard_layout.h"

namespace brelfx {
namespace {

// Pages are rectangles: no shape picture.
SkinSetIds PageSkin(int first) { return {0, first + 1, first + 2, first + 3, first + 4}; }

int PageArt(KeyPageKind kind) {
  switch (kind) {
    case KeyPageKind::kMain: return BRELFX_IDB_KEY_MAIN;
    case KeyPageKind::kZonix: return BRELFX_IDB_KEY_ZONIX;
    case KeyPageKind::kMedia: return BRELFX_IDB_KEY_MEDIA;
  }
  return BRELFX_IDB_KEY_MAIN;
}

RECT RectOf(const char* layout) { return ToRect(ParseLayoutString(layout).rect); }

}  // namespace

CKeyPageWnd::CKeyPageWnd(KeyPageKind kind, KeyPageHost& host)
    : CPageWnd(PageSkin(PageArt(kind))), kind_(kind), host_(host) {}

CKeyPageWnd::~CKeyPageWnd() { DestroyWindowNow(); }

void CKeyPageWnd::OnCreatePage() {
  blockedSkin_.Load(PageSkin(BRELFX_IDB_KEY_BLOCKED));
  menuFont_ = CreateSkinFont("Arial", 14, 5);
  const auto buttons = KeyButtons(kind_);
  for (int p = 0; p < static_cast<int>(buttons.size()); ++p) PlaceKeyControls(p, buttons[p]);
  if (kind_ == KeyPageKind::kMain) {
    const RECT place = RectOf(key_page::kVexaPicture);
    for (int i = 0; i < static_cast<int>(vexaPictures_.size()); ++i) {
      vexaPictures_[i].Create(hwnd(), place, false);
      vexaPictures_[i].SetPicture(BRELFX_IDB_VEXA_KEY + i);
    }
  }
  PlaceSkinButton(hwnd(), macroManager_, key_page::kMacroManager, skin());
  if (kind_ == KeyPageKind::kMedia) PlaceSkinButton(hwnd(), player_, key_page::kSelectPlayer, skin());
  if (block_) Refresh();
}

void CKeyPageWnd::PlaceKeyControls(int position, const KeyButton& key) {
  KeyControls& controls = keys_.emplace_back();
  controls.rect = ToRect(PlaceSkinButton(hwnd(), controls.button, key.layout, skin()).rect);
  controls.button.SetHoverIndex(kKeyButtonHoverBase + position);
  // The lit key is the key's part of the hover picture.
  controls.keyBox.Create(hwnd(), RectOf(key.keyBox), false);
  controls.keyBox.SetPictureFromSkin(skin().Image(SkinRole::kHover));
  if (key.layerTab) {
    controls.layerTab.Create(hwnd(), RectOf(key.layerTab), false);
    controls.layerTab.SetPicture(BRELFX_IDB_LAYER_TAB + LayerTabPicture(kind_, position));
  }
}

void CKeyPageWnd::Reload(SettingsBlock& edited) {
  block_ = &edited;
  Refresh();
}

ProfileRecord* CKeyPageWnd::ActiveProfile() const {
  if (!block_ || block_->CurrentProfile < 0 || block_->CurrentProfile >= kProfileCount) return nullptr;
  return &block_->Profiles[block_->CurrentProfile];
}

void CKeyPageWnd::Refresh() {
  const ProfileRecord* profile = ActiveProfile();
  if (!hwnd() || !profile) return;
  const auto looks = KeyButtonLooks(kind_, *profile, host_.Devices(), CurrentKeyboardLayout());
  for (std::size_t p = 0; p < keys_.size(); ++p) {
    ShowBlocked(keys_[p], looks[p].blocked);
    keys_[p].button.SetCaption(looks[p].caption);
  }
  if (kind_ == KeyPageKind::kMain) {
    const int shown = VexaKeyPosition(*profile);
    for (int i = 0; i < static_cast<int>(vexaPictures_.size()); ++i) vexaPictures_[i].Show(i == shown);
  }
  if (kind_ == KeyPageKind::kMedia) {
    const PlayerChoice& player = PlayerFor(profile->MediaOption);
    player_.SetCaption(player.name);
    player_.SetTmMark(player.tmMark);
  }
}

void CKeyPageWnd::ShowBlocked(KeyControls& controls, bool blocked) {
  // Placed with the page's own skin; cut again only when the state changes.
  if (controls.blocked == blocked) return;
  controls.blocked = blocked;
  const SkinSet& set = blocked ? blockedSkin_ : skin();
  const RECT crop = blocked ? RECT{0, 0, controls.rect.right - controls.rect.left,
                                   controls.rect.bottom - controls.rect.top}
                            : controls.rect;
  controls.button.SetStateImages(crop, set.Image(SkinRole::kNormal), set.Image(SkinRole::kHover),
                                 set.Image(SkinRole::kPressed), set.Image(SkinRole::kExtra));
}

LRESULT CKeyPageWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam) OnButton(reinterpret_cast<HWND>(lParam));
      else OnMenuCommand(LOWORD(wParam));
      return 0;
    case WM_CONTROL_HOVER: ShowHighlight(static_cast<int>(lParam) - kKeyButtonHoverBase); return 0;
    case WM_INITMENUPOPUP: SkinMenuTree::OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    default: return CPageWnd::HandleMessage(message, wParam, lParam);
  }
}

void CKeyPageWnd::OnButton(HWND button) {
  for (std::size_t p = 0; p < keys_.size(); ++p)
    if (keys_[p].button.hwnd() == button) return OpenFunctionMenu(static_cast<int>(p));
  if (button == player_.hwnd()) return OpenPlayerMenu();
  if (button == macroManager_.hwnd()) host_.OpenMacroManager(false, -1, nullptr);
}

void CKeyPageWnd::OpenFunctionMenu(int position) {
  const ProfileRecord* profile = ActiveProfile();
  if (!profile) return;
  menuKey_ = KeyButtons(kind_)[position].keyIndex;
  // The key's record as the menu's reference: it marks the current macro.
  const KeyAssignment key = profile->MacroKeyInfo[menuKey_];
  TrackMenuTree(menuFont_.get(),
                BuildFunctionMenu(kind_, position, key, {host_.Macros(), host_.Timers(), host_.Devices()}),
                keys_[position].button, hwnd(), menuGuard_);
  ShowHighlight(position);
}

void CKeyPageWnd::OpenPlayerMenu() {
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(kMenuMinWidth);
  for (const PlayerChoice& choice : PlayerChoices())
    menu.AppendItem(choice.commandId, choice.name, nullptr, false, choice.tmMark);
  menuKey_ = -1;
  TrackDropDownMenu(menu, player_, hwnd(), menuGuard_);
}

void CKeyPageWnd::OnMenuCommand(unsigned id) {
  ProfileRecord* profile = ActiveProfile();
  if (!profile) return;
  if (const auto option = MediaOptionForCommand(id); option && kind_ == KeyPageKind::kMedia) {
    profile->MediaOption = *option;
    Refresh();
    host_.ProfileModified();
    return;
  }
  if (menuKey_ < 0) return;
  KeyCommandDialogs dialogs(GetAncestor(hwnd(), GA_ROOT), host_);
  KeyCommandContext context{*block_, host_.Macros(), host_.Timers(),
                            [this](const TimerList&) { return host_.SaveTimers(); },
                            host_.Devices(), dialogs};
  if (!RunKeyCommand(id, menuKey_, context)) return;
  Refresh();
  host_.ProfileModified();
}

// By the button's state when the message arrives, not by the message: a
// hover posted before the button's menu closed can arrive after it.
void CKeyPageWnd::ShowHighlight(int position) {
  if (position < 0 || position >= static_cast<int>(keys_.size())) return;
  const bool lit = keys_[position].button.IsHovered();
  keys_[position].keyBox.Show(lit);
  keys_[position].layerTab.Show(lit);
}

}  // namespace brelfx
