#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/path.h"

namespace brelfx::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
      ("brelfx-test-" + std::to_string(ticks) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  path_ = folder.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Join(const std::string& name) const { return JoinPath(path_, name); }

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace brelfx::test
