#include "monitor/program_folder.h"

namespace brelfx {

std::string ProgramFolderOf(std::string_view programPath) {
  const std::size_t separator = programPath.find_last_of("\\/");
  if (separator == std::string_view::npos) return {};
  return std::string(programPath.substr(0, separator + 1));
}

}  // namespace brelfx
