#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/file_system.h"
#include "platform/path.h"

namespace brelfx {

const char kPathSeparator = '/';

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

class PosixFileSystem final : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string& contents) override {
    if (Kind(path) != PathKind::kFile) return false;
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    contents.clear();
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0) contents.append(chunk, n);
    return !std::ferror(file.get());
  }
  bool WriteFile(const std::string& path, std::string_view contents) override {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const bool written =
        std::fwrite(contents.data(), 1, contents.size(), file.get()) == contents.size() &&
        std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    return std::fclose(file.release()) == 0 && written;
  }
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
  bool RemoveFile(const std::string& path) override { return std::remove(path.c_str()) == 0; }
  bool CreateFolder(const std::string& path) override {
    return ::mkdir(path.c_str(), 0777) == 0 || Kind(path) == PathKind::kFolder;
  }
  std::vector<std::string> FileNames(const std::string& folder) override {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get()))
      if (Kind(JoinPath(folder, entry->d_name)) == PathKind::kFile)
        names.emplace_back(entry->d_name);
    return names;
  }
  PathKind Kind(const std::string& path) override {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return PathKind::kMissing;
    return S_ISDIR(info.st_mode) ? PathKind::kFolder : PathKind::kFile;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace brelfx
