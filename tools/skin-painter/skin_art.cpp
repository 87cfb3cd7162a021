#include "tools/skin-painter/skin_art.h"

#include "tools/skin-painter/control_art.h"
#include "tools/skin-painter/level_art.h"
#include "tools/skin-painter/motion_art.h"
#include "tools/skin-painter/palette.h"

namespace brelfx::painter {
namespace {

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

void PaintBackground(Canvas& c, const SkinRecipe& r) {
  const Box window{0, 0, r.width, r.height};
  c.FillChamfered(window, r.chamfer, kBackTop, kBackBottom);
  // A faint diagonal weave.
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x)
      if ((x + y) % 6 == 0 && InChamfered(window, r.chamfer, x, y)) c.Blend(x, y, kWhite, 0.025);
  if (r.header > 0) {
    for (int y = 0; y < r.header; ++y)
      for (int x = 0; x < r.width; ++x)
        if (InChamfered(window, r.chamfer, x, y))
          c.Blend(x, y, kAccent, 0.10 * (1.0 - double(y) / r.header));
    c.HorizontalLine(r.chamfer, r.width / 3, r.header - 1, kAccent);
    c.HorizontalLine(r.width / 3 + 1, r.width - 1, r.header - 1, kPanelEdge);
  }
  c.FrameChamfered(window, r.chamfer, kEdge);
  c.FrameChamfered(window.Inset(1), r.chamfer - 1, kBlack);
}

// "{level}" in the wording of a level animation's picture becomes the level.
std::string WithLevel(std::string wording, int level) {
  const std::size_t at = wording.find("{level}");
  if (level > 0 && at != std::string::npos) wording.replace(at, 7, std::to_string(level));
  return wording;
}

// Areas and lettering are the same in every picture; controls show the state.
bool IsStatic(ElementKind kind) {
  return kind == ElementKind::kPanel || kind == ElementKind::kPicker ||
         kind == ElementKind::kLabel || kind == ElementKind::kTrophy;
}

bool PaintElement(Canvas& c, const Element& e, const PictureRequest& request, TextPainter& text,
                  std::string& error) {
  const Box box{e.rect.left, e.rect.top, e.rect.Width(), e.rect.Height()};
  if (e.fromLevel > request.level) return true;
  switch (e.kind) {
    case ElementKind::kPulse:
      PaintPulse(c, box, request.phase);
      return true;
    case ElementKind::kShine:
      PaintShine(c, box, request.phase);
      return true;
    case ElementKind::kPips:
      PaintPips(c, box, request.level, request.phase);
      return true;
    case ElementKind::kSparks:
      PaintSparks(c, box, request.level, request.phase);
      return true;
    default:
      break;
  }
  const Look look = IsStatic(e.kind) ? Look::kNormal : LookOf(request.role);
  PaintControl(c, e, look, request.language);
  const std::string wording = WithLevel(e.text, request.level);
  if (wording.empty() ||
      text.Draw(c, WordingBox(e), wording, e.style, WordingColor(e, look), error))
    return true;
  error = "\"" + wording + "\" at " + std::to_string(box.x) + "," + std::to_string(box.y) + ": " +
          error;
  return false;
}

}  // namespace

bool PaintSkin(const SkinRecipe& recipe, const PictureRequest& request, TextPainter& text,
               Canvas& picture, std::string& error) {
  if (request.role == Role::kShape) {
    // Pure white is outside the window; everything else inside.
    picture = Canvas(recipe.width, recipe.height, kWhite);
    picture.FillChamfered(Box{0, 0, recipe.width, recipe.height}, recipe.chamfer, kBlack, kBlack);
    return true;
  }
  picture = Canvas(recipe.width, recipe.height, kWhite);
  PaintBackground(picture, recipe);
  for (const Element& e : recipe.elements)
    if (!PaintElement(picture, e, request, text, error)) return false;
  if (request.picture >= 0 && request.picture < static_cast<int>(recipe.pictures.size()))
    for (const Element& e : recipe.pictures[request.picture])
      if (!PaintElement(picture, e, request, text, error)) return false;
  return true;
}

}  // namespace brelfx::painter
