// Lettering through FreeType: DejaVu Sans, kerned, anti-aliased, blended
// onto a canvas inside a box. Text is UTF-8; "\n" in it breaks the line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skin-painter/canvas.h"
#include "tools/skin-painter/text/text_style.h"

namespace brelfx::painter {

class TextPainter {
 public:
  TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;
  ~TextPainter();

  // Finds and opens the two faces; false with a message when FreeType or the
  // font is missing.
  bool Open(std::string& error);

  // Width of one line in pixels, kerning included.
  int LineWidth(std::string_view utf8, const TextStyle& style);

  // Draws `utf8` in `box`, aligned by the style and centred vertically, in
  // `color`. Returns false with a message, drawing nothing, when the text is
  // not UTF-8, has a character the font lacks, or does not fit the box:
  // artwork that silently cut its wording would ship broken dialogs.
  bool Draw(Canvas& canvas, const Box& box, std::string_view utf8, const TextStyle& style,
            Color color, std::string& error);

 private:
  struct Face;
  Face* FaceFor(const TextStyle& style);
  bool Layout(std::string_view utf8, const TextStyle& style, int width,
              std::vector<std::u32string>& lines, std::string& error);
  int Width(const std::u32string& line, const TextStyle& style);
  void DrawLine(Canvas& canvas, const Box& clip, int x, int baseline, const std::u32string& line,
                const TextStyle& style, Color color);

  void* library_ = nullptr;  // FT_Library, kept out of this header
  std::unique_ptr<Face> regular_;
  std::unique_ptr<Face> bold_;
};

// Splits UTF-8 into code points; false on a malformed sequence.
bool DecodeUtf8(std::string_view text, std::u32string& out);

}  // namespace brelfx::painter
