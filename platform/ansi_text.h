// Text of the records' char fields and the INI files is in the system's ANSI
// code page; other programs hand the monitor UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

class AnsiText {
 public:
  virtual ~AnsiText() = default;
  // Characters the code page lacks become '?'.
  virtual std::string FromUtf16(std::u16string_view text) = 0;
};

}  // namespace brelfx
