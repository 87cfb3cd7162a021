#include "tests/support/test_data.h"

#include <cstdlib>
#include <fstream>

namespace brelfx::test {

std::string TestDataPath(std::string_view relative) {
  const char* folder = std::getenv("BRELFX_TEST_DATA");
  std::string path = folder && *folder ? folder : BRELFX_TEST_DATA_DIR;
  return path + "/" + std::string(relative);
}

std::vector<std::uint8_t> ReadHexFile(std::string_view relative) {
  std::ifstream file(TestDataPath(relative));
  std::vector<std::uint8_t> bytes;
  std::string pair;
  while (file >> pair) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(pair.c_str(), &end, 16);
    if (pair.size() != 2 || *end != '\0' || value > 0xFF) return {};
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

}  // namespace brelfx::test
