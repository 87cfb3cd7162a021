// The drawing area of the timeline view: lanes of bars on a time axis, with
// scroll bars. The mouse selects a bar, drags it along the axis, drags its
// end to change its length, and a double click on a lane adds a bar there;
// Delete removes the selected bar.
#pragma once

#include <windows.h>

#include <functional>

#include "option/app/macro_editor/timeline_geometry.h"
#include "option/skin/win32/skin_image.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CTimelineCanvas final : public Window {
 public:
  // `edited` runs after every change the mouse or keyboard made to the bars.
  CTimelineCanvas(MacroTimeline& timeline, std::function<void()> edited);
  ~CTimelineCanvas() override;

  bool Create(HWND parent, const RECT& rect);

  int SelectedBar() const { return selected_; }
  void SelectBar(int bar);
  // The bars changed from outside (a new macro, added or deleted bars).
  void Refresh();
  // A new macro: the zoom fits its bars and the view starts at its beginning.
  void FitAll();
  TimelineGeometry& geometry() { return geometry_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, const RECT& client);
  void PaintAxis(HDC dc, const RECT& client);
  void PaintLanes(HDC dc, const RECT& client);
  void PaintBars(HDC dc, const RECT& client);
  void PaintBar(HDC dc, const RECT& box, bool selected, bool mouse) const;
  LRESULT OnLeftButtonDown(LPARAM lParam);
  LRESULT OnMouseMove(LPARAM lParam);
  LRESULT OnLeftButtonUp();
  LRESULT OnDoubleClick(LPARAM lParam);
  LRESULT OnScroll(int bar, WPARAM wParam);
  LRESULT OnKeyDown(WPARAM key);
  LRESULT OnSetCursor(LPARAM lParam);
  void UpdateScrollBars();
  void EndDrag();

  MacroTimeline& timeline_;
  std::function<void()> edited_;
  TimelineGeometry geometry_;
  UniqueFont font_;
  SkinSet barSkin_;
  int selected_ = -1;
  enum class Drag { kNone, kMove, kRelease } drag_ = Drag::kNone;
  std::int64_t grabOffset_ = 0;  // press time minus the time under the mouse
  bool dragChanged_ = false;
};

}  // namespace brelfx
