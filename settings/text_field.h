// Fixed-size character fields inside records: copies that always terminate and
// cut overlong text to the field.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace brelfx {

// Copies text into a char[N] field, cut to N-1 characters, zero-filling the rest.
template <std::size_t N>
void SetTextField(char (&field)[N], std::string_view text) {
  const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, N - n);
}

// Reads a char[N] field up to its first zero (or the whole field if none).
template <std::size_t N>
std::string TextField(const char (&field)[N]) {
  const void* end = std::memchr(field, 0, N);
  const std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N;
  return std::string(field, n);
}

}  // namespace brelfx
