#include "tools/skin-painter/control_art.h"

#include <algorithm>
#include <cmath>

#include "tools/skin-painter/flags/flag_art.h"
#include "tools/skin-painter/palette.h"
#include "tools/skin-painter/trophy_art.h"

namespace brelfx::painter {
namespace {

Box ToBox(const SkinRect& r) {
  return Box{r.left, r.top, r.Width(), r.Height()};
}

void BlendBox(Canvas& c, const Box& box, Color color, double alpha) {
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x) c.Blend(x, y, color, alpha);
}

// The edge and glyph colours of a control in each look (normal, hover,
// pressed, disabled).
Color EdgeColor(Look look) {
  constexpr Color kEdges[] = {kEdge, kAccent, kAccentBright, kDisabledEdge};
  return kEdges[static_cast<int>(look)];
}

Color GlyphColor(Look look) {
  constexpr Color kGlyphs[] = {kGlyph, kAccentBright, kWhite, kDisabledEdge};
  return kGlyphs[static_cast<int>(look)];
}

// The raised metal plate of buttons and arrows.
void Plate(Canvas& c, const Box& box, int cut, Look look) {
  switch (look) {
    case Look::kNormal:
      c.FillChamfered(box, cut, kMetalTop, kMetalBottom);
      c.FrameChamfered(box, cut, kEdge);
      c.HorizontalLine(box.x + cut + 1, box.Right() - cut - 2, box.y + 1, kMetalShine);
      break;
    case Look::kHover:
      c.FillChamfered(box, cut, Mix(kMetalTop, kAccent, 0.22), Mix(kMetalBottom, kAccent, 0.12));
      c.FrameChamfered(box, cut, kAccent);
      c.HorizontalLine(box.x + cut + 1, box.Right() - cut - 2, box.y + 1,
                       Mix(kMetalShine, kAccent, 0.5));
      break;
    case Look::kPressed:
      c.FillChamfered(box, cut, Mix(kAccent, kBlack, 0.62), Mix(kAccent, kBlack, 0.35));
      c.FrameChamfered(box, cut, kAccentBright);
      break;
    case Look::kDisabled:
      c.FillChamfered(box, cut, kDisabledFill, kDisabledFill);
      c.FrameChamfered(box, cut, kDisabledEdge);
      break;
  }
}

void PaintToggle(Canvas& c, const Box& box, Look look) {
  if (look == Look::kHover) BlendBox(c, box, kAccent, 0.10);
  c.HorizontalLine(box.x, box.Right() - 1, box.Bottom() - 1,
                   look == Look::kHover ? kAccent : kPanelEdge);
  const int size = std::min(12, box.h - 2);
  const Box led{box.Right() - size - 3, box.y + (box.h - size) / 2, size, size};
  switch (look) {
    case Look::kPressed:
      c.Fill(led, Mix(kAccent, kBlack, 0.2));
      c.Fill(led.Inset(2), kAccentBright);
      c.Frame(led, kAccentBright);
      break;
    case Look::kDisabled:
      c.Fill(led, kDisabledFill);
      c.Frame(led, kDisabledEdge);
      break;
    default:
      c.Fill(led, kWell);
      c.Frame(led, look == Look::kHover ? kAccent : kEdge);
  }
}

void PaintSwatch(Canvas& c, const Box& box, Look look) {
  c.Fill(box, kWell);
  c.Frame(box, EdgeColor(look));
  if (look == Look::kPressed) c.Frame(box.Inset(1), kAccent);
}

// A palette entry: its colour in a dark ring; the checked one (pressed)
// sits in a white ring, under the mouse the ring lights in the accent.
void PaintColorSwatch(Canvas& c, const Box& box, Color fill, Look look) {
  const Color ring = look == Look::kPressed    ? kWhite
                     : look == Look::kHover    ? kAccentBright
                     : look == Look::kDisabled ? kDisabledEdge
                                               : kEdge;
  c.Fill(box, kWell);
  c.Frame(box, ring);
  if (look == Look::kPressed) c.Frame(box.Inset(1), kAccent);
  const Box chip = box.Inset(3);
  c.Fill(chip, look == Look::kDisabled ? Mix(fill, kDisabledFill, 0.7) : fill);
  c.HorizontalLine(chip.x, chip.Right() - 1, chip.y, Mix(fill, kWhite, 0.35));
}

// A sunken well whose frame lies one pixel around `box`; the frame is the
// same in every picture, so what is cut at `box` is the well alone.
void Well(Canvas& c, const Box& box, int margin) {
  const Box outer{box.x - margin, box.y - margin, box.w + 2 * margin, box.h + 2 * margin};
  c.Fill(outer, kWell);
  c.Frame(outer, kEdge);
  c.HorizontalLine(outer.x + 1, outer.Right() - 2, outer.y + 1, kBlack);
}

void PaintTrack(Canvas& c, const Box& box, Look look) {
  const int mid = box.y + box.h / 2;
  const Box groove{box.x + 2, mid - 2, box.w - 4, 5};
  c.Fill(groove, kWell);
  c.Frame(groove, look == Look::kHover ? kAccent : kEdge);
  c.HorizontalLine(groove.x + 1, groove.Right() - 2, mid, Mix(kAccent, kBlack, 0.45));
}

// The field's arrows sit at x 34-50 of the spin window; a narrower window
// shows only their left part, so they are drawn in the width that shows.
void PaintSpin(Canvas& c, const Box& box, Look look) {
  const Box field{box.x, box.y, 33, 18};
  c.Fill(field, kBlack);
  c.Frame(field, look == Look::kHover ? kAccent : kEdge);
  const int arrowWidth = std::clamp(box.w - 34, 6, 16);
  const Box up{box.x + 34, box.y, arrowWidth, 8};
  const Box down{box.x + 34, box.y + 9, arrowWidth, 8};
  Plate(c, up, 1, look);
  Plate(c, down, 1, look);
  c.Triangle(up.x + arrowWidth / 2, up.y + 4, 3, false, GlyphColor(look));
  c.Triangle(down.x + arrowWidth / 2, down.y + 4, 3, true, GlyphColor(look));
}

void PaintClose(Canvas& c, const Box& box, Look look) {
  Plate(c, box, 3, look);
  const Color glyph = GlyphColor(look);
  const int n = std::min(box.w, box.h) - 12;
  for (int i = 0; i <= n; ++i) {
    const int x = box.x + (box.w - n) / 2 + i, y = box.y + (box.h - n) / 2;
    c.Set(x, y + i, glyph);
    c.Set(x, y + n - i, glyph);
    c.Set(x + 1, y + i, glyph);
    c.Set(x + 1, y + n - i, glyph);
  }
}

void PaintMinimize(Canvas& c, const Box& box, Look look) {
  Plate(c, box, 3, look);
  // A bar along the bottom of the square the close button's cross fills.
  const int n = std::min(box.w, box.h) - 12;
  const int x = box.x + (box.w - n) / 2, y = box.y + (box.h - n) / 2 + n - 1;
  c.Fill(Box{x, y, n + 2, 2}, GlyphColor(look));
}

// The windows-profile marker: a square well holding a desktop screen. Off,
// the screen is an outline; on, it is lit in the accent. The well fills the
// whole box, so the marker's own pictures sit on any background.
void PaintMarker(Canvas& c, const Box& box, bool on, Look look) {
  c.Fill(box, kWell);
  c.Frame(box, on && look == Look::kNormal ? Mix(kAccent, kBlack, 0.25) : EdgeColor(look));
  const Box screen{box.x + 4, box.y + 5, box.w - 8, box.h - 12};
  const Color glyph = on && look == Look::kNormal ? kAccentBright : GlyphColor(look);
  if (on) {
    c.VerticalGradient(screen, Mix(kAccentBright, kWhite, 0.25), Mix(kAccent, kBlack, 0.3));
    BlendBox(c, box.Inset(1), kAccent, 0.10);
  }
  c.Frame(screen, glyph);
  const int middle = screen.x + screen.w / 2;
  c.Fill(Box{middle - 1, screen.Bottom(), 2, 2}, glyph);
  c.HorizontalLine(middle - 4, middle + 3, screen.Bottom() + 2, glyph);
}

void PaintPanel(Canvas& c, const Box& box) {
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x)
      if (InChamfered(box, 8, x, y)) c.Blend(x, y, kWhite, 0.035);
  c.FrameChamfered(box, 8, kPanelEdge);
  c.HorizontalLine(box.x + 8, box.x + 48, box.y, kAccent);
  c.HorizontalLine(box.x + 8, box.x + 48, box.y + 1, Mix(kAccent, kBlack, 0.5));
}

// A page tab: top corners cut, open at the bottom when selected so it runs
// into the page below.
void PaintTab(Canvas& c, const Box& box, Look look) {
  constexpr int kCut = 6;
  const auto inside = [&](int x, int y) {
    return std::min(x - box.x, box.Right() - 1 - x) + (y - box.y) >= kCut;
  };
  const Color top = look == Look::kPressed    ? Mix(kMetalTop, kAccent, 0.30)
                    : look == Look::kHover    ? Mix(kMetalTop, kAccent, 0.14)
                    : look == Look::kDisabled ? kDisabledFill
                                              : kMetalBottom;
  const Color bottom = look == Look::kPressed ? kBackTop : Mix(kBackTop, kBlack, 0.3);
  const Color edge = look == Look::kNormal ? kPanelEdge : EdgeColor(look);
  for (int y = box.y; y < box.Bottom(); ++y) {
    const Color fill = Mix(top, bottom, box.h > 1 ? double(y - box.y) / (box.h - 1) : 0.0);
    for (int x = box.x; x < box.Right(); ++x) {
      if (!inside(x, y)) continue;
      const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || x == box.x ||
                       x == box.Right() - 1 || y == box.y;
      c.Set(x, y, rim ? edge : fill);
    }
  }
  if (look == Look::kPressed) {
    c.HorizontalLine(box.x + kCut, box.Right() - kCut - 1, box.y + 1, kAccentBright);
    c.HorizontalLine(box.x + kCut - 1, box.Right() - kCut, box.y + 2, kAccent);
  } else {
    c.HorizontalLine(box.x, box.Right() - 1, box.Bottom() - 1, kEdge);
  }
}

// The second key-button skin: the keyboard has blocked this key (code 223),
// so it is hatched, dimmed and carries a no-entry sign at its right end.
void PaintBlocked(Canvas& c, const Box& box, Look look) {
  constexpr int kCut = 4;
  c.FillChamfered(box, kCut, kDisabledFill, Mix(kDisabledFill, kBlack, 0.35));
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x)
      if ((x - y) % 6 == 0 && InChamfered(box, kCut, x, y)) c.Blend(x, y, kDisabledEdge, 0.55);
  if (look == Look::kHover || look == Look::kPressed)
    c.FillChamfered(box.Inset(1), kCut, Mix(kDisabledFill, kAccent, 0.10),
                    Mix(kDisabledFill, kAccent, 0.05));
  c.FrameChamfered(box, kCut,
                   look == Look::kHover     ? Mix(kAccent, kBlack, 0.3)
                   : look == Look::kPressed ? kAccent
                                            : kDisabledEdge);
  const double r = std::min(5.0, box.h / 2.0 - 3);
  const double cx = box.Right() - 6 - r, cy = box.y + box.h / 2.0 - 0.5;
  const Color sign = look == Look::kDisabled ? kDisabledEdge : Mix(kWarn, kBlack, 0.15);
  c.RingCircle(cx, cy, r, 1.6, sign);
  for (double t = -r * 0.7; t <= r * 0.7; t += 0.25)
    c.Blend(static_cast<int>(std::lround(cx + t)), static_cast<int>(std::lround(cy - t)), sign,
            0.9);
}

// One row's background: a list's rows and the entries of popup lists. The
// plain look is `plain`; hover is tinted with a bar at the left, pressed is
// the selection.
void RowBackground(Canvas& c, const Box& r, Look look, Color plain) {
  switch (look) {
    case Look::kNormal:
      c.Fill(r, plain);
      break;
    case Look::kHover:
      c.Fill(r, Mix(plain, kAccent, 0.18));
      c.Fill(Box{r.x, r.y, 2, r.h}, kAccent);
      break;
    case Look::kPressed:
      c.VerticalGradient(r, Mix(kAccent, kBlack, 0.42), Mix(kAccent, kBlack, 0.62));
      c.HorizontalLine(r.x, r.Right() - 1, r.y, Mix(kAccentBright, kBlack, 0.2));
      break;
    case Look::kDisabled:
      c.Fill(r, Mix(plain, kDisabledFill, 0.6));
      break;
  }
}

// Rows of a list; the list cuts the plain, hover, selected and disabled row
// backgrounds from the four pictures.
void PaintList(Canvas& c, const Box& box, int rowHeight, Look look) {
  Well(c, box, 1);
  for (int top = box.y, row = 0; top < box.Bottom(); top += rowHeight, ++row) {
    const Box r{box.x, top, box.w, std::min(rowHeight, box.Bottom() - top)};
    RowBackground(c, r, look, row % 2 ? Mix(kWell, kWhite, 0.04) : kWell);
  }
}

// An entry of a popup list over the window's own background.
void PaintRow(Canvas& c, const Box& box, Look look) {
  if (look == Look::kHover || look == Look::kPressed) RowBackground(c, box, look, kBackTop);
}

// A progress area: frame and empty well; the pressed picture holds the full
// bar of lit segments, of which the page shows as much as is done.
void PaintProgress(Canvas& c, const Box& box, Look look) {
  c.Frame(box, kEdge);
  const Box well = box.Inset(1);
  c.Fill(well, look == Look::kDisabled ? kDisabledFill : kWell);
  c.HorizontalLine(well.x, well.Right() - 1, well.y, kBlack);
  if (look != Look::kPressed) return;
  const Box bar = box.Inset(2);
  c.VerticalGradient(bar, kAccentBright, Mix(kAccent, kBlack, 0.35));
  c.HorizontalLine(bar.x, bar.Right() - 1, bar.y, Mix(kAccentBright, kWhite, 0.4));
  for (int x = bar.x + 6; x < bar.Right(); x += 7)
    c.VerticalLine(x, bar.y, bar.Bottom() - 1, kWell);
}

// A flag on a button: lighter under the mouse, sunk one pixel when pressed.
void PaintFlagButton(Canvas& c, const Box& box, int language, Look look) {
  const Box flag = box.Inset(1);
  PaintFlag(c, look == Look::kPressed ? Box{flag.x, flag.y + 1, flag.w, flag.h - 1} : flag,
            language);
  // A soft gloss on the upper half keeps the flags in the metal look.
  for (int y = flag.y; y < flag.y + flag.h / 2; ++y)
    for (int x = flag.x; x < flag.Right(); ++x)
      c.Blend(x, y, kWhite, 0.18 * (1.0 - (y - flag.y) / (flag.h / 2.0)));
  if (look == Look::kHover) BlendBox(c, flag, kWhite, 0.14);
  if (look == Look::kPressed) BlendBox(c, flag, kBlack, 0.25);
  if (look == Look::kDisabled) BlendBox(c, flag, kDisabledFill, 0.7);
  c.Frame(box, look == Look::kNormal ? kBlack : EdgeColor(look));
}

}  // namespace

void PaintControl(Canvas& c, const Element& e, Look look, int language) {
  const Box box = ToBox(e.rect);
  switch (e.kind) {
    case ElementKind::kPanel:
      PaintPanel(c, box);
      break;
    case ElementKind::kButton:
      Plate(c, box, 4, look);
      break;
    case ElementKind::kDropdown:
      Plate(c, box, 4, look);
      c.Triangle(box.Right() - 10, box.y + box.h / 2, 4, true, GlyphColor(look));
      break;
    case ElementKind::kToggle:
      PaintToggle(c, box, look);
      break;
    case ElementKind::kSwatch:
      if (e.fill)
        PaintColorSwatch(c, box, *e.fill, look);
      else
        PaintSwatch(c, box, look);
      break;
    case ElementKind::kEdit:
      Well(c, box, 2);
      break;
    case ElementKind::kTrack:
      PaintTrack(c, box, look);
      break;
    case ElementKind::kSpin:
      PaintSpin(c, box, look);
      break;
    case ElementKind::kClose:
      PaintClose(c, box, look);
      break;
    case ElementKind::kMinimize:
      PaintMinimize(c, box, look);
      break;
    case ElementKind::kMarker:
      PaintMarker(c, box, e.on, look);
      break;
    case ElementKind::kPicker:
      c.Frame(Box{box.x - 1, box.y - 1, box.w + 2, box.h + 2}, kEdge);
      break;
    case ElementKind::kTab:
      PaintTab(c, box, look);
      break;
    case ElementKind::kBlocked:
      PaintBlocked(c, box, look);
      break;
    case ElementKind::kList:
      PaintList(c, box, e.rowHeight, look);
      break;
    case ElementKind::kProgress:
      PaintProgress(c, box, look);
      break;
    case ElementKind::kRow:
      PaintRow(c, box, look);
      break;
    case ElementKind::kFlag:
      PaintFlagButton(c, box, e.language >= 0 ? e.language : language, look);
      break;
    case ElementKind::kTrophy:
      PaintTrophy(c, box, e.emblem, e.tier);
      break;
    case ElementKind::kLabel:
    case ElementKind::kPulse:
    case ElementKind::kShine:
    case ElementKind::kPips:
    case ElementKind::kSparks:
      break;  // lettering and motion are painted elsewhere
  }
}

Color WordingColor(const Element& e, Look look) {
  if (e.kind == ElementKind::kLabel) return e.style.color;
  if (e.kind == ElementKind::kBlocked) return look == Look::kDisabled ? kDisabledEdge : kGlyph;
  return look == Look::kNormal ? e.style.color : GlyphColor(look);
}

Box WordingBox(const Element& e) {
  const Box box = ToBox(e.rect);
  if (e.kind == ElementKind::kLabel) return box;
  // Keep the blocked sign and the drop-down arrow clear of the wording.
  const int room = e.kind == ElementKind::kBlocked    ? 2 * std::min(5, box.h / 2 - 3) + 8
                   : e.kind == ElementKind::kDropdown ? 14
                                                      : 0;
  return Box{box.x + 4 + e.indent, box.y + 1, box.w - 8 - room - e.indent, box.h - 2};
}

}  // namespace brelfx::painter
