// CKeyPageWnd: the Main, Zonix and Media F pages. Each key has a function
// button captioned with its assignment; a click opens the key's function
// menu, and the chosen command is run on the key of the active profile.
// Pointing at a button lights its key on the page's keyboard picture.
#pragma once

#include <windows.h>

#include <array>
#include <deque>

#include "option/app/key_pages/key_button_looks.h"
#include "option/app/key_pages/key_page_layout.h"
#include "option/skin/drop_down_guard.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_picture.h"
#include "option/win32/key_pages/key_page_host.h"
#include "option/win32/option_pages.h"

namespace brelfx {

class CKeyPageWnd final : public CPageWnd {
 public:
  CKeyPageWnd(KeyPageKind kind, KeyPageHost& host);
  ~CKeyPageWnd() override;

  void Reload(SettingsBlock& edited) override;

 protected:
  void OnCreatePage() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct KeyControls {
    CSkinButton button;
    RECT rect{};
    bool blocked = false;
    CSkinPicture keyBox, layerTab;
  };

  void PlaceKeyControls(int position, const KeyButton& key);
  void Refresh();
  void ShowBlocked(KeyControls& controls, bool blocked);
  void OnButton(HWND button);
  void OpenFunctionMenu(int position);
  void OpenPlayerMenu();
  void OnMenuCommand(unsigned id);
  void ShowHighlight(int position);
  ProfileRecord* ActiveProfile() const;

  KeyPageKind kind_;
  KeyPageHost& host_;
  SettingsBlock* block_ = nullptr;
  std::deque<KeyControls> keys_;  // by button position
  std::array<CSkinPicture, 10> vexaPictures_;  // Main page: by Vexa key position
  CSkinButton macroManager_, player_;
  SkinSet blockedSkin_;
  UniqueFont menuFont_;
  DropDownGuard menuGuard_;
  int menuKey_ = -1;  // the key whose function menu is open or was chosen from
};

}  // namespace brelfx
