// Golden files under tests/data/, found through BRELFX_TEST_DATA when set
// (native CTest) and otherwise through the folder the tests were built from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelfx::test {

std::string TestDataPath(std::string_view relative);

// Bytes written as whitespace-separated hex pairs; empty when the file is
// missing or holds anything else.
std::vector<std::uint8_t> ReadHexFile(std::string_view relative);

}  // namespace brelfx::test
