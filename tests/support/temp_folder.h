// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
#pragma once

#include <string>

namespace brelfx::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() joined with a name, in the platform's form.
  std::string Join(const std::string& name) const;

 private:
  std::string path_;
};

// The whole content of a file ("" when it cannot be read).
std::string ReadFileText(const std::string& path);
// Creates or replaces a file with the given bytes.
void WriteFileText(const std::string& path, const std::string& text);

}  // namespace brelfx::test
