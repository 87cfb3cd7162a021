// How an in-place edit over a list row ends: Enter (or the edit losing the
// focus) commits the text trimmed of blanks, Escape cancels, and a text that
// is empty after trimming cancels too (a new row without a name goes away).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brelfx {

enum class InPlaceEditEnd { kEnter, kEscape, kFocusLost };

// The committed text, or nothing when the edit is cancelled.
std::optional<std::string> FinishInPlaceEdit(std::string_view text, InPlaceEditEnd end);

// Text placed into an edit limited to `limit` characters (0: no limit) is
// cut to it, so a value set from code obeys the same limit as typing.
std::string_view LimitedText(std::string_view text, std::size_t limit);

}  // namespace brelfx
