#include "tools/skin-painter/skin_recipe.h"

#include <map>
#include <sstream>

#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

const std::map<std::string, ElementKind, std::less<>> kKinds = {
    {"panel", ElementKind::kPanel},       {"button", ElementKind::kButton},
    {"dropdown", ElementKind::kDropdown}, {"toggle", ElementKind::kToggle},
    {"swatch", ElementKind::kSwatch},     {"edit", ElementKind::kEdit},
    {"track", ElementKind::kTrack},       {"spin", ElementKind::kSpin},
    {"close", ElementKind::kClose},       {"picker", ElementKind::kPicker},
};

Box ToBox(const SkinRect& r) {
  return Box{r.left, r.top, r.Width(), r.Height()};
}

enum class Look { kNormal, kHover, kPressed, kDisabled };

Look LookOf(Role role) {
  switch (role) {
    case Role::kHover:
      return Look::kHover;
    case Role::kPressed:
      return Look::kPressed;
    case Role::kExtra:
      return Look::kDisabled;
    default:
      return Look::kNormal;
  }
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

Color GlyphColor(Look look) {
  switch (look) {
    case Look::kHover:
      return kAccentBright;
    case Look::kPressed:
      return kWhite;
    case Look::kDisabled:
      return kDisabledEdge;
    default:
      return kGlyph;
  }
}

void PaintToggle(Canvas& c, const Box& box, Look look) {
  if (look == Look::kHover) {
    for (int y = box.y; y < box.Bottom(); ++y)
      for (int x = box.x; x < box.Right(); ++x) c.Blend(x, y, kAccent, 0.10);
  }
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
  const Color frame = look == Look::kHover      ? kAccent
                      : look == Look::kPressed  ? kAccentBright
                      : look == Look::kDisabled ? kDisabledEdge
                                                : kEdge;
  c.Frame(box, frame);
  if (look == Look::kPressed) c.Frame(box.Inset(1), kAccent);
}

void PaintEdit(Canvas& c, const Box& box) {
  // The edit window covers `box`; its frame lies two pixels around it and is
  // the same in every picture (nothing is cut from it).
  const Box outer{box.x - 2, box.y - 2, box.w + 4, box.h + 4};
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

void PaintSpin(Canvas& c, const Box& box, Look look) {
  const Box field{box.x, box.y, 33, 18};
  c.Fill(field, kBlack);
  c.Frame(field, look == Look::kHover ? kAccent : kEdge);
  const Box up{box.x + 34, box.y, 16, 8};
  const Box down{box.x + 34, box.y + 9, 16, 8};
  Plate(c, up, 1, look);
  Plate(c, down, 1, look);
  c.Triangle(up.x + 8, up.y + 4, 3, false, GlyphColor(look));
  c.Triangle(down.x + 8, down.y + 4, 3, true, GlyphColor(look));
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

void PaintPanel(Canvas& c, const Box& box) {
  for (int y = box.y; y < box.Bottom(); ++y)
    for (int x = box.x; x < box.Right(); ++x)
      if (InChamfered(box, 8, x, y)) c.Blend(x, y, kWhite, 0.035);
  c.FrameChamfered(box, 8, kPanelEdge);
  c.HorizontalLine(box.x + 8, box.x + 48, box.y, kAccent);
  c.HorizontalLine(box.x + 8, box.x + 48, box.y + 1, Mix(kAccent, kBlack, 0.5));
}

void PaintElement(Canvas& c, const Element& e, Look look) {
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
      PaintSwatch(c, box, look);
      break;
    case ElementKind::kEdit:
      PaintEdit(c, box);
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
    case ElementKind::kPicker:
      c.Frame(Box{box.x - 1, box.y - 1, box.w + 2, box.h + 2}, kEdge);
      break;
  }
}

void PaintBackground(Canvas& c, const SkinRecipe& r) {
  const Box window{0, 0, r.width, r.height};
  c.FillChamfered(window, r.chamfer, kBackTop, kBackBottom);
  // A faint diagonal weave.
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x)
      if ((x + y) % 6 == 0 && InChamfered(window, r.chamfer, x, y)) c.Blend(x, y, kWhite, 0.025);
  if (r.header > 0) {
    const Box strip{0, 0, r.width, r.header};
    for (int y = 0; y < r.header; ++y)
      for (int x = 0; x < r.width; ++x)
        if (InChamfered(window, r.chamfer, x, y))
          c.Blend(x, y, kAccent, 0.10 * (1.0 - double(y) / r.header));
    c.HorizontalLine(r.chamfer, r.width / 3, strip.Bottom() - 1, kAccent);
    c.HorizontalLine(r.width / 3 + 1, r.width - 1, strip.Bottom() - 1, kPanelEdge);
  }
  c.FrameChamfered(window, r.chamfer, kEdge);
  c.FrameChamfered(window.Inset(1), r.chamfer - 1, kBlack);
}

}  // namespace

bool ParseSkinRecipe(std::string_view text, SkinRecipe& recipe, std::string& error) {
  recipe = SkinRecipe{};
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    std::istringstream words(line.substr(start));
    std::string keyword;
    words >> keyword;
    bool ok = true;
    if (keyword == "size") {
      ok = static_cast<bool>(words >> recipe.width >> recipe.height) && recipe.width > 0 &&
           recipe.height > 0 && recipe.width <= 4096 && recipe.height <= 4096;
    } else if (keyword == "chamfer") {
      ok = static_cast<bool>(words >> recipe.chamfer) && recipe.chamfer >= 0;
    } else if (keyword == "header") {
      ok = static_cast<bool>(words >> recipe.header) && recipe.header >= 0;
    } else if (const auto kind = kKinds.find(keyword); kind != kKinds.end()) {
      std::string layout;
      std::getline(words >> std::ws, layout);
      recipe.elements.push_back(Element{kind->second, ParseLayoutString(layout).rect});
    } else {
      ok = false;
    }
    if (!ok) {
      error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
      return false;
    }
  }
  if (recipe.width <= 0) {
    error = "no size line";
    return false;
  }
  return true;
}

Canvas PaintSkin(const SkinRecipe& recipe, Role role) {
  if (role == Role::kShape) {
    // Pure white is outside the window; everything else inside.
    Canvas shape(recipe.width, recipe.height, kWhite);
    shape.FillChamfered(Box{0, 0, recipe.width, recipe.height}, recipe.chamfer, kBlack, kBlack);
    return shape;
  }
  Canvas canvas(recipe.width, recipe.height, kWhite);
  PaintBackground(canvas, recipe);
  for (const Element& e : recipe.elements) {
    PaintElement(canvas, e,
                 e.kind == ElementKind::kPanel || e.kind == ElementKind::kPicker ? Look::kNormal
                                                                                 : LookOf(role));
  }
  return canvas;
}

}  // namespace brelfx::painter
