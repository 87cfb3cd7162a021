// How a settings file is stored on disk. The programs keep their text in the
// ANSI code page (taken here as Windows-1252, the Western one); a user who
// saves a file in Notepad may store it as UTF-16LE ("Unicode") or as UTF-8,
// each with its byte-order mark. Reading turns such a file into ANSI text;
// writing turns the text back into the file's own encoding.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

enum class TextFileEncoding { kAnsi, kUtf8, kUtf16Le };

// The file's bytes → ANSI text, in place, without the mark. A character ANSI
// lacks becomes '?'; a byte that is not valid UTF-8 in a UTF-8 file is taken
// as the ANSI character it is (older versions wrote ANSI into such files).
TextFileEncoding DecodeToAnsi(std::string& bytes);

// ANSI text → the bytes of a file in `encoding`, with its mark.
std::string EncodeFromAnsi(std::string_view ansi, TextFileEncoding encoding);

}  // namespace brelfx
