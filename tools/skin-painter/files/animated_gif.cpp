#include "tools/skin-painter/files/animated_gif.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tools/skin-painter/files/image_files.h"

extern char** environ;

namespace brelfx::painter {
namespace {

namespace fs = std::filesystem;

// Runs `arguments` without a shell; the exit code, or -1 when it cannot start.
int Run(const std::vector<std::string>& arguments, int& spawnError) {
  std::vector<char*> argv;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  spawnError = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
  if (spawnError != 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool WriteAnimatedGif(const std::vector<Canvas>& frames, const std::vector<int>& delays,
                      const std::string& path, std::string& error) {
  if (frames.empty() || frames.size() != delays.size()) {
    error = "an animation needs frames, each with a delay";
    return false;
  }
  std::string scratch = (fs::temp_directory_path() / "skin-painter-XXXXXX").string();
  if (!mkdtemp(scratch.data())) {
    error = "cannot make a scratch folder";
    return false;
  }
  std::vector<std::string> command = {"convert", "-dispose", "None", "-loop", "0"};
  bool written = true;
  for (std::size_t i = 0; i < frames.size() && written; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame%03zu.bmp", i);
    written = WriteFile(scratch + name, EncodeBmp(frames[i]));
    command.insert(command.end(), {"-delay", std::to_string(delays[i]), scratch + name});
  }
  command.insert(command.end(), {"+remap", "gif:" + path});
  int spawnError = 0;
  const int status = written ? Run(command, spawnError) : -1;
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
  if (!written)
    error = "cannot write the frames into " + scratch;
  else if (spawnError == ENOENT)
    error =
        "ImageMagick's convert is not installed; install the package imagemagick "
        "(bash scripts/install-deps.sh)";
  else if (status != 0)
    error = "convert could not write " + path;
  return written && status == 0;
}

}  // namespace brelfx::painter
