// The program folder: drive and directory of the running executable, ending
// with its separator. Every program file is found relative to it.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

// Everything up to and including the last backslash or slash; empty when the
// path has none.
std::string ProgramFolderOf(std::string_view programPath);

}  // namespace brelfx
