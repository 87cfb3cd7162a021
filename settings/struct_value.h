// Struct values of the private-profile format: every byte as two upper-case
// hex digits in memory order, then two digits holding the low 8 bits of the
// byte sum. 05 01 FF 00 00 is stored as "0501FF000005".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brelfx {

std::string EncodeStructValue(const void* data, std::size_t size);

// Appends the encoding to `out` (saves a copy when building whole files).
void AppendStructValue(std::string& out, const void* data, std::size_t size);

// Why a text is not a struct value of `size` bytes.
enum class StructValueError { kNone, kLength, kDigit, kChecksum };
StructValueError CheckStructValue(std::string_view text, std::size_t size);

// Decodes a value of exactly 2 × size + 2 hex digits (either case) whose
// checksum matches; on any mismatch returns false and leaves `data` untouched.
bool DecodeStructValue(std::string_view text, void* data, std::size_t size);

}  // namespace brelfx
