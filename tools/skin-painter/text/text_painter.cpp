#include "tools/skin-painter/text/text_painter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

#include "tools/skin-painter/text/font_files.h"

namespace brelfx::painter {

struct TextPainter::Face {
  FT_Face face = nullptr;
  int size = 0;
};

namespace {

FT_Library Library(void* library) {
  return static_cast<FT_Library>(library);
}

std::string Hex(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// Light hinting snaps only vertically, so the horizontal positions keep the
// designer's metrics and kerning stays exact.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

// Sets out a line's glyphs from `pen` (26.6 fixed point), kerned pair by
// pair: `place(slot, pen)` gets each loaded glyph at its position. Returns
// the pen after the last glyph.
template <class Place>
FT_Pos SetOut(FT_Face face, const std::u32string& line, FT_Pos pen, Place&& place) {
  FT_UInt previous = 0;
  for (char32_t c : line) {
    const FT_UInt glyph = FT_Get_Char_Index(face, c);
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern{};
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNFITTED, &kern);
      pen += kern.x;
    }
    previous = glyph;
    if (FT_Load_Glyph(face, glyph, kLoadFlags) != 0) continue;
    // The advance before rendering: rendering may replace the outline.
    const FT_Pos advance = face->glyph->linearHoriAdvance >> 10;
    place(face->glyph, pen);
    pen += advance;
  }
  return pen;
}

}  // namespace

bool DecodeUtf8(std::string_view text, std::u32string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80         ? 0
                      : (lead >> 5) == 6  ? 1
                      : (lead >> 4) == 14 ? 2
                      : (lead >> 3) == 30 ? 3
                                          : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return false;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 2) return false;
      c = (c << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    out.push_back(c);
    i += extra + 1;
  }
  return true;
}

TextPainter::TextPainter() = default;

TextPainter::~TextPainter() {
  for (Face* f : {regular_.get(), bold_.get()})
    if (f && f->face) FT_Done_Face(f->face);
  if (library_) FT_Done_FreeType(Library(library_));
}

bool TextPainter::Open(std::string& error) {
  FontFiles files;
  if (!FindFontFiles(files, error)) return false;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    error = "FreeType cannot start";
    return false;
  }
  library_ = library;
  regular_ = std::make_unique<Face>();
  bold_ = std::make_unique<Face>();
  for (auto [face, path] :
       {std::pair{regular_.get(), &files.regular}, std::pair{bold_.get(), &files.bold}}) {
    if (FT_New_Face(library, path->c_str(), 0, &face->face) != 0) {
      error = "FreeType cannot read the font " + *path;
      return false;
    }
  }
  return true;
}

TextPainter::Face* TextPainter::FaceFor(const TextStyle& style) {
  Face* f = style.bold ? bold_.get() : regular_.get();
  if (f->size != style.size) {
    FT_Set_Pixel_Sizes(f->face, 0, static_cast<FT_UInt>(style.size));
    f->size = style.size;
  }
  return f;
}

int TextPainter::Width(const std::u32string& line, const TextStyle& style) {
  const FT_Pos end = SetOut(FaceFor(style)->face, line, 0, [](FT_GlyphSlot, FT_Pos) {});
  return static_cast<int>((end + 63) >> 6);
}

int TextPainter::LineWidth(std::string_view utf8, const TextStyle& style) {
  std::u32string line;
  return DecodeUtf8(utf8, line) ? Width(line, style) : 0;
}

bool TextPainter::Layout(std::string_view utf8, const TextStyle& style, int width,
                         std::vector<std::u32string>& lines, std::string& error) {
  std::u32string text;
  if (!DecodeUtf8(utf8, text)) {
    error = "the text is not UTF-8";
    return false;
  }
  FT_Face face = FaceFor(style)->face;
  for (char32_t c : text) {
    if (c != U'\n' && FT_Get_Char_Index(face, c) == 0) {
      error = "the font has no letter " + Hex(c);
      return false;
    }
  }
  lines.clear();
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(U'\n', start);
    if (end == std::u32string::npos) end = text.size();
    const std::u32string paragraph = text.substr(start, end - start);
    if (!style.wrap) {
      lines.push_back(paragraph);
    } else {
      // Greedy: add words to the line while it still fits.
      std::u32string line;
      std::size_t at = 0;
      while (at <= paragraph.size()) {
        std::size_t blank = paragraph.find(U' ', at);
        if (blank == std::u32string::npos) blank = paragraph.size();
        const std::u32string word = paragraph.substr(at, blank - at);
        const std::u32string longer = line.empty() ? word : line + U' ' + word;
        if (!line.empty() && Width(longer, style) > width) {
          lines.push_back(line);
          line = word;
        } else {
          line = longer;
        }
        at = blank + 1;
      }
      lines.push_back(line);
    }
    start = end + 1;
  }
  for (const std::u32string& line : lines) {
    if (Width(line, style) > width) {
      error = "the text is wider than its box (" + std::to_string(Width(line, style)) + " > " +
              std::to_string(width) + " pixels)";
      return false;
    }
  }
  return true;
}

void TextPainter::DrawLine(Canvas& canvas, const Box& clip, int x, int baseline,
                           const std::u32string& line, const TextStyle& style, Color color) {
  const auto place = [&](FT_GlyphSlot slot, FT_Pos pen) {
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = static_cast<int>((pen + 32) >> 6) + slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int px = left + static_cast<int>(column), py = top + static_cast<int>(row);
        const unsigned char coverage = bitmap.buffer[row * bitmap.pitch + column];
        if (coverage && px >= clip.x && py >= clip.y && px < clip.Right() && py < clip.Bottom())
          canvas.Blend(px, py, color, coverage / 255.0);
      }
    }
  };
  SetOut(FaceFor(style)->face, line, static_cast<FT_Pos>(x) << 6, place);
}

bool TextPainter::Draw(Canvas& canvas, const Box& box, std::string_view utf8,
                       const TextStyle& style, Color color, std::string& error) {
  std::vector<std::u32string> lines;
  if (!Layout(utf8, style, box.w, lines, error)) return false;
  const int lineHeight = static_cast<int>(FaceFor(style)->face->size->metrics.height >> 6);
  // Capitals and lower case fill about one em; the line gap below the last
  // line and the accents above the first may overhang the box.
  const int block = (static_cast<int>(lines.size()) - 1) * lineHeight + style.size;
  if (block > box.h) {
    error = "the text is taller than its box (" + std::to_string(lines.size()) + " lines, " +
            std::to_string(block) + " > " + std::to_string(box.h) + " pixels)";
    return false;
  }
  // Centre the em of every line; the baseline sits 0.8 em down, which puts
  // capitals (0.73 em tall in DejaVu) where the eye expects the middle.
  int baseline = box.y + (box.h - block) / 2 + (style.size * 4 + 2) / 5;
  for (const std::u32string& line : lines) {
    const int width = Width(line, style);
    const int x = style.align == Align::kLeft    ? box.x
                  : style.align == Align::kRight ? box.Right() - width
                                                 : box.x + (box.w - width) / 2;
    DrawLine(canvas, box, x, baseline, line, style, color);
    baseline += lineHeight;
  }
  return true;
}

}  // namespace brelfx::painter
