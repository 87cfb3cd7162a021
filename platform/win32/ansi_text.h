// UTF-16 into the system's ANSI code page (CP_ACP).
#pragma once

#include "platform/ansi_text.h"

namespace brelfx {

class Win32AnsiText final : public AnsiText {
 public:
  std::string FromUtf16(std::u16string_view text) override;
};

}  // namespace brelfx
