// The fields of the profile edit dialog (Create and Edit): the profile's name
// and the three programs whose start makes the monitor switch to it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/settings_block.h"

namespace brelfx {

// The name is short enough for the slot label under the slot button; a path
// fills its GameFile field less the final zero.
constexpr std::size_t kProfileNameLimit = 20;
constexpr std::size_t kGamePathLimit = sizeof(ProfileRecord::GameFile0) - 1;
constexpr int kGamePathCount = 3;

class ProfileEditForm {
 public:
  // Create: every field empty.
  static ProfileEditForm ForCreate() { return {}; }
  // Edit: the profile's name and programs.
  static ProfileEditForm ForEdit(const ProfileRecord& profile);

  // Text beyond a field's limit is cut off, as the edit field refuses it; a
  // stored text already longer than the limit may stay as long.
  void SetName(std::string_view text);
  void SetGamePath(int index, std::string_view text);  // index 0-2
  const std::string& name() const { return name_; }
  const std::string& gamePath(int index) const { return paths_[index]; }

  // OK: the name and the three paths go into the profile as typed.
  void WriteTo(ProfileRecord& profile) const;

 private:
  std::string name_;
  std::array<std::string, kGamePathCount> paths_;
};

}  // namespace brelfx
