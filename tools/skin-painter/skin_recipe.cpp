#include "tools/skin-painter/skin_recipe.h"

#include <charconv>
#include <map>
#include <sstream>

#include "tools/skin-painter/flags/languages.h"

namespace brelfx::painter {
namespace {

enum class Lettering { kNone, kOptional, kRequired };

struct KindInfo {
  ElementKind kind;
  Lettering lettering;
};

const std::map<std::string, KindInfo, std::less<>> kKinds = {
    {"panel", {ElementKind::kPanel, Lettering::kNone}},
    {"button", {ElementKind::kButton, Lettering::kOptional}},
    {"dropdown", {ElementKind::kDropdown, Lettering::kOptional}},
    {"toggle", {ElementKind::kToggle, Lettering::kOptional}},
    {"swatch", {ElementKind::kSwatch, Lettering::kNone}},
    {"edit", {ElementKind::kEdit, Lettering::kNone}},
    {"well", {ElementKind::kEdit, Lettering::kNone}},  // drawn as an edit field's well
    {"track", {ElementKind::kTrack, Lettering::kNone}},
    {"spin", {ElementKind::kSpin, Lettering::kNone}},
    {"close", {ElementKind::kClose, Lettering::kNone}},
    {"picker", {ElementKind::kPicker, Lettering::kNone}},
    {"label", {ElementKind::kLabel, Lettering::kRequired}},
    {"tab", {ElementKind::kTab, Lettering::kRequired}},
    {"blocked", {ElementKind::kBlocked, Lettering::kOptional}},
    {"list", {ElementKind::kList, Lettering::kNone}},
    {"progress", {ElementKind::kProgress, Lettering::kNone}},
    {"row", {ElementKind::kRow, Lettering::kOptional}},
    {"flag", {ElementKind::kFlag, Lettering::kNone}},
    {"pulse", {ElementKind::kPulse, Lettering::kNone}},
    {"shine", {ElementKind::kShine, Lettering::kNone}},
    {"pips", {ElementKind::kPips, Lettering::kNone}},
    {"sparks", {ElementKind::kSparks, Lettering::kNone}},
    {"minimize", {ElementKind::kMinimize, Lettering::kNone}},
    {"marker", {ElementKind::kMarker, Lettering::kNone}},
    {"trophy", {ElementKind::kTrophy, Lettering::kNone}},
};

bool ReadInt(std::string_view text, int low, int high, int& value) {
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  return failure == std::errc{} && stop == end && value >= low && value <= high;
}

std::string_view Trim(std::string_view s) {
  const std::size_t start = s.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

// The program's layout strings are never checked, but a recipe is typed by
// hand: insist on "name,x,y,w,h," with four whole numbers.
bool ReadLayout(std::string_view text, std::string& name, SkinRect& rect) {
  std::size_t at = text.find(',');
  for (int field = 0; field < 4; ++field) {
    if (at == std::string_view::npos) return false;
    const std::size_t next = text.find(',', at + 1);
    if (next == std::string_view::npos) return false;
    int value = 0;
    if (!ReadInt(Trim(text.substr(at + 1, next - at - 1)), field < 2 ? -4096 : 0, 4096, value))
      return false;
    at = next;
  }
  const LayoutItem item = ParseLayoutString(text);
  name = item.name;
  rect = item.rect;
  return true;
}

bool ReadColor(std::string_view text, Color& color) {
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned value = 0;
  const auto [stop, failure] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
  color = value;
  return failure == std::errc{} && stop == text.data() + 7;
}

bool ReadEmblem(std::string_view text, Emblem& emblem) {
  constexpr std::pair<std::string_view, Emblem> kNames[] = {
      {"cup", Emblem::kCup},       {"medal", Emblem::kMedal}, {"star", Emblem::kStar},
      {"shield", Emblem::kShield}, {"crown", Emblem::kCrown}, {"lock", Emblem::kLock}};
  for (const auto& [name, value] : kNames)
    if (text == name) {
      emblem = value;
      return true;
    }
  return false;
}

// "\n" breaks a line, "\\" is a backslash.
bool Unescape(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
    } else if (i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
      out += text[++i] == 'n' ? '\n' : '\\';
    } else {
      return false;
    }
  }
  return true;
}

struct Option {
  std::string key;
  std::string value;
};

// Splits leading "key=value" words off `rest`.
std::vector<Option> TakeOptions(std::string_view& rest) {
  std::vector<Option> options;
  for (rest = Trim(rest); !rest.empty(); rest = Trim(rest)) {
    const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    const std::string_view word = rest.substr(0, end);
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos || word.find(',') != std::string_view::npos ||
        word.find('"') != std::string_view::npos)
      break;
    options.push_back({std::string(word.substr(0, equals)), std::string(word.substr(equals + 1))});
    rest.remove_prefix(end);
  }
  return options;
}

class Parser {
 public:
  explicit Parser(SkinRecipe& recipe) : recipe_(recipe) { styles_["default"] = TextStyle{}; }

  // One line without its keyword; false with `error_` set.
  bool Line(const std::string& keyword, std::string_view rest) {
    if (keyword == "size") return Numbers(rest, {&recipe_.width, &recipe_.height}, 1, 4096);
    if (keyword == "chamfer") return Numbers(rest, {&recipe_.chamfer}, 0, 200);
    if (keyword == "header") return Numbers(rest, {&recipe_.header}, 0, 4096);
    if (keyword == "font") return Font(rest);
    if (keyword == "picture") return Picture(rest);
    if (keyword == "animation") return AnimationLine(rest);
    if (const auto kind = kKinds.find(keyword); kind != kKinds.end())
      return ElementLine(keyword, kind->second, rest);
    return Fail("unknown kind \"" + keyword + "\"");
  }

  const std::string& error() const { return error_; }

 private:
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool Numbers(std::string_view rest, std::initializer_list<int*> targets, int low, int high) {
    std::istringstream words{std::string(rest)};
    for (int* target : targets) {
      std::string word;
      if (!(words >> word) || !ReadInt(word, low, high, *target))
        return Fail("expected " + std::to_string(targets.size()) + " number(s) from " +
                    std::to_string(low) + " to " + std::to_string(high));
    }
    std::string extra;
    return words >> extra ? Fail("unexpected \"" + extra + "\"") : true;
  }

  bool Font(std::string_view rest) {
    rest = Trim(rest);
    const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    const std::string name(rest.substr(0, end));
    if (name.empty() || name.find('=') != std::string::npos) return Fail("a font needs a name");
    rest.remove_prefix(end);
    TextStyle style;
    for (const Option& o : TakeOptions(rest)) {
      bool ok = true;
      if (o.key == "size")
        ok = ReadInt(o.value, 6, 96, style.size);
      else if (o.key == "weight")
        ok = (style.bold = o.value == "bold") || o.value == "regular";
      else if (o.key == "color")
        ok = ReadColor(o.value, style.color);
      else if (o.key == "align")
        ok = AlignFrom(o.value, style.align);
      else if (o.key == "wrap")
        ok = (style.wrap = o.value == "yes") || o.value == "no";
      else
        return Fail("a font has no option \"" + o.key + "\"");
      if (!ok) return Fail("bad value \"" + o.value + "\" for " + o.key);
    }
    if (!rest.empty()) return Fail("unexpected \"" + std::string(rest) + "\"");
    styles_[name] = style;
    return true;
  }

  static bool AlignFrom(std::string_view value, Align& align) {
    if (value == "left")
      align = Align::kLeft;
    else if (value == "center")
      align = Align::kCenter;
    else if (value == "right")
      align = Align::kRight;
    else
      return false;
    return true;
  }

  bool Picture(std::string_view rest) {
    if (!Trim(rest).empty()) return Fail("picture takes nothing after it");
    recipe_.pictures.emplace_back();
    return true;
  }

  bool AnimationLine(std::string_view rest) {
    Animation& a = recipe_.animation;
    for (const Option& o : TakeOptions(rest)) {
      int* target = o.key == "frames"  ? &a.frames
                    : o.key == "delay" ? &a.delay
                    : o.key == "hold"  ? &a.hold
                                       : nullptr;
      if (!target) return Fail("an animation has no option \"" + o.key + "\"");
      if (!ReadInt(o.value, o.key == "frames" ? 2 : 1, o.key == "frames" ? 250 : 6000, *target))
        return Fail("bad value \"" + o.value + "\" for " + o.key);
    }
    if (!rest.empty()) return Fail("unexpected \"" + std::string(rest) + "\"");
    return a.frames > 0 ? true : Fail("an animation needs frames=N");
  }

  bool ElementLine(const std::string& keyword, const KindInfo& info, std::string_view rest) {
    Element e;
    e.kind = info.kind;
    for (const Option& o : TakeOptions(rest)) {
      if (o.key == "style" && info.lettering != Lettering::kNone) {
        const auto style = styles_.find(o.value);
        if (style == styles_.end()) return Fail("no font named \"" + o.value + "\" above");
        e.style = style->second;
      } else if (o.key == "rows" && info.kind == ElementKind::kList) {
        if (!ReadInt(o.value, 4, 200, e.rowHeight)) return Fail("rows must be 4 to 200 pixels");
      } else if (o.key == "indent" && info.kind == ElementKind::kRow) {
        if (!ReadInt(o.value, 0, 4096, e.indent)) return Fail("indent must be 0 to 4096 pixels");
      } else if (o.key == "lang" && info.kind == ElementKind::kFlag) {
        if ((e.language = LanguageIndex(o.value)) < 0)
          return Fail("no language \"" + o.value + "\"");
      } else if (o.key == "color" && info.kind == ElementKind::kSwatch) {
        Color fill = 0;
        if (!ReadColor(o.value, fill)) return Fail("color must be #RRGGBB");
        e.fill = fill;
      } else if (o.key == "emblem" && info.kind == ElementKind::kTrophy) {
        if (!ReadEmblem(o.value, e.emblem))
          return Fail("emblem must be cup, medal, star, shield, crown or lock");
      } else if (o.key == "tier" && info.kind == ElementKind::kTrophy) {
        if (!ReadInt(o.value, 1, 4, e.tier)) return Fail("tier must be 1 to 4");
      } else if (o.key == "from") {
        if (!ReadInt(o.value, 1, 99, e.fromLevel)) return Fail("from must be a level from 1 to 99");
      } else if (o.key == "on" && info.kind == ElementKind::kMarker) {
        if (o.value != "yes" && o.value != "no") return Fail("on must be yes or no");
        e.on = o.value == "yes";
      } else {
        return Fail(keyword + " has no option \"" + o.key + "\"");
      }
    }
    const std::size_t quote = rest.find('"');
    if (!ReadLayout(Trim(rest.substr(0, quote)), e.name, e.rect))
      return Fail("expected a layout string name,x,y,w,h, (w and h 0-4096)");
    if (quote != std::string_view::npos) {
      const std::size_t last = rest.rfind('"');
      if (last == quote || !Trim(rest.substr(last + 1)).empty())
        return Fail("the wording must be one \"quoted\" text at the end");
      if (info.lettering == Lettering::kNone) return Fail(keyword + " takes no wording");
      if (!Unescape(rest.substr(quote + 1, last - quote - 1), e.text))
        return Fail("only \\n and \\\\ may follow a backslash");
    } else if (info.lettering == Lettering::kRequired) {
      return Fail(keyword + " needs its wording in double quotes");
    }
    if (info.kind == ElementKind::kList && e.rowHeight == 0) return Fail("list needs rows=N");
    (recipe_.pictures.empty() ? recipe_.elements : recipe_.pictures.back()).push_back(e);
    return true;
  }

  SkinRecipe& recipe_;
  std::map<std::string, TextStyle, std::less<>> styles_;
  std::string error_;
};

}  // namespace

bool ParseSkinRecipe(std::string_view text, SkinRecipe& recipe, std::string& error) {
  recipe = SkinRecipe{};
  Parser parser(recipe);
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view body = Trim(line);
    if (body.empty() || body[0] == '#') continue;
    const std::size_t end = std::min(body.find_first_of(" \t"), body.size());
    if (!parser.Line(std::string(body.substr(0, end)), body.substr(end))) {
      error = "line " + std::to_string(number) + ": " + parser.error() + ": \"" + line + "\"";
      return false;
    }
  }
  if (recipe.width <= 0) {
    error = "no size line";
    return false;
  }
  return true;
}

}  // namespace brelfx::painter
