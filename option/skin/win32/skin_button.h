// CSkinButton: an owner-drawn push button or switch whose four state images
// are cut from the window's skin pictures, with hover tracking, the quick-help
// channel and an optional caption.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/button_image.h"
#include "option/skin/win32/skin_image.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CSkinButton : public Window {
 public:
  ~CSkinButton() override;

  // A visible owner-drawn child at `rect` of `parent`.
  bool Create(HWND parent, const RECT& rect, int id = 0);

  // Crops the four state images at `rect` from full-window pictures.
  void SetStateImages(const RECT& rect, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                      HBITMAP disabled);
  // Draws the four states straight from the part at `rect` of a window's
  // skin pictures: nothing is copied, and pictures not needed yet are not
  // decoded. The window's skin set outlives its controls.
  void SetSkinParts(const RECT& rect, const SkinSet& skin);
  // Takes four whole pictures as they are (buttons with pictures of their own).
  void SetOwnImages(UniqueBitmap normal, UniqueBitmap hover, UniqueBitmap pressed,
                    UniqueBitmap disabled);

  void SetTooltip(const std::string& text);
  void SetChecked(bool checked);
  void SetToggleMode(bool on) { toggleMode_ = on; }
  void SetHandCursor(bool on) { handCursor_ = on; }
  void SetTmMark(bool on);
  void SetCaption(const std::string& text);
  void SetHoverIndex(int index) { hoverIndex_ = index; }
  // Holds the hover look (and reports it) while the button's menu is open.
  void HoldHover(bool held);

  bool IsChecked() const { return checked_; }
  bool IsHovered() const { return hover_; }
  const std::string& Tooltip() const { return tooltip_; }
  const std::string& Caption() const { return caption_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Paints over the chosen state image in the off-screen bitmap.
  virtual void PaintOver(HDC dc, const RECT& rect);
  void Repaint() const;

 private:
  void Draw(const DRAWITEMSTRUCT& draw);
  void RemoveBorder();
  void ReportHover(bool entered);
  LRESULT OnMouseMove(WPARAM keys, LPARAM lParam);
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(HWND newCapture);
  LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateTooltipWindow();
  void UpdateTooltipText();

  UniqueBitmap images_[4];  // by ButtonImage
  // Instead of own images: the window's pictures and this button's part of them.
  const SkinSet* skin_ = nullptr;
  RECT part_{};
  UniqueWindow tooltipWindow_;
  std::string tooltip_;
  std::string caption_;
  bool checked_ = false;
  bool toggleMode_ = false;
  bool hover_ = false;
  bool held_ = false;
  bool handCursor_ = false;
  bool tmMark_ = false;
  int hoverIndex_ = 0;
};

}  // namespace brelfx
