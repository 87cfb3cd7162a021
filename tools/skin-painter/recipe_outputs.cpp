#include "tools/skin-painter/recipe_outputs.h"

#include <cstdio>
#include <vector>

#include "tools/skin-painter/files/animated_gif.h"
#include "tools/skin-painter/files/image_files.h"
#include "tools/skin-painter/flags/languages.h"
#include "tools/skin-painter/skin_art.h"

namespace brelfx::painter {
namespace {

// Every picture is painted before any is written, so a recipe that fails
// leaves no half set behind for the build to take as done.
class Batch {
 public:
  Batch(const SkinRecipe& recipe, TextPainter& text, std::string& error)
      : recipe_(recipe), text_(text), error_(error) {}

  bool Paint(const PictureRequest& request, const std::string& path) {
    pictures_.push_back({path, Canvas(0, 0, 0)});
    return PaintSkin(recipe_, request, text_, pictures_.back().second, error_);
  }

  bool Write() {
    for (const auto& [path, picture] : pictures_) {
      if (!WriteFile(path, EncodeBmp(picture))) {
        error_ = "cannot write " + path;
        return false;
      }
    }
    return true;
  }

 private:
  const SkinRecipe& recipe_;
  TextPainter& text_;
  std::string& error_;
  std::vector<std::pair<std::string, Canvas>> pictures_;
};

std::string Numbered(const Output& out, int number, const char* suffix) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", number);
  return out.folder + "/" + out.name + "_" + digits + suffix;
}

// Each command takes only the recipes made for it.
bool Expect(bool ok, const char* what, std::string& error) {
  if (!ok) error = what;
  return ok;
}

}  // namespace

bool WriteWindowSkin(const SkinRecipe& recipe, const Output& out, TextPainter& text,
                     std::string& error) {
  if (!Expect(recipe.pictures.empty() && recipe.animation.frames == 0,
              "a window skin has no picture or animation lines", error))
    return false;
  Batch batch(recipe, text, error);
  for (int role = 0; role < 5; ++role) {
    const std::string path = out.folder + "/" + out.name + "_" + kRoleNames[role] + ".bmp";
    if (!batch.Paint(PictureRequest{.role = static_cast<Role>(role)}, path)) return false;
  }
  return batch.Write();
}

bool WritePictureSet(const SkinRecipe& recipe, int count, const Output& out, TextPainter& text,
                     std::string& error) {
  if (!Expect(static_cast<int>(recipe.pictures.size()) == count,
              ("the recipe holds " + std::to_string(recipe.pictures.size()) +
               " pictures, the build expects " + std::to_string(count))
                  .c_str(),
              error))
    return false;
  Batch batch(recipe, text, error);
  for (int i = 0; i < count; ++i)
    if (!batch.Paint(PictureRequest{.picture = i}, Numbered(out, i + 1, ".bmp"))) return false;
  return batch.Write();
}

bool WriteFlagSet(const SkinRecipe& recipe, const Output& out, TextPainter& text,
                  std::string& error) {
  const std::pair<Role, const char*> states[] = {{Role::kNormal, "_normal.bmp"},
                                                 {Role::kHover, "_hover.bmp"},
                                                 {Role::kPressed, "_pressed.bmp"}};
  Batch batch(recipe, text, error);
  for (int language = 0; language < kLanguageCount; ++language)
    for (const auto& [role, suffix] : states)
      if (!batch.Paint(PictureRequest{.role = role, .language = language},
                       Numbered(out, language, suffix)))
        return false;
  return batch.Write();
}

bool WriteAnimation(const SkinRecipe& recipe, const std::string& path, TextPainter& text,
                    std::string& error, int level) {
  const Animation& a = recipe.animation;
  if (!Expect(a.frames > 0, "the recipe has no animation line", error)) return false;
  if (!Expect(level >= 0 && level <= 16, "a level runs from 1 to 16", error)) return false;
  std::vector<Canvas> frames;
  std::vector<int> delays;
  for (int i = 0; i < a.frames; ++i) {
    frames.emplace_back(0, 0, 0);
    if (!PaintSkin(recipe, PictureRequest{.phase = double(i) / a.frames, .level = level}, text,
                   frames.back(), error))
      return false;
    delays.push_back(i + 1 == a.frames && a.hold > 0 ? a.hold : a.delay);
  }
  return WriteAnimatedGif(frames, delays, path, error);
}

}  // namespace brelfx::painter
