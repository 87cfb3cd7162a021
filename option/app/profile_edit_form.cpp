#include "option/app/profile_edit_form.h"

#include <algorithm>

#include "settings/text_field.h"

namespace brelfx {
namespace {

// Like an edit field with a text limit: typing cannot go beyond the limit,
// but a longer text the field was opened with is not cut merely by opening it.
std::string Limited(std::string_view text, std::size_t limit, const std::string& current) {
  return std::string(text.substr(0, std::max(limit, current.size())));
}

}  // namespace

ProfileEditForm ProfileEditForm::ForEdit(const ProfileRecord& profile) {
  ProfileEditForm form;
  form.name_ = TextField(profile.ProFileName);
  form.paths_ = {TextField(profile.GameFile0), TextField(profile.GameFile1),
                 TextField(profile.GameFile2)};
  return form;
}

void ProfileEditForm::SetName(std::string_view text) { name_ = Limited(text, kProfileNameLimit, name_); }

void ProfileEditForm::SetGamePath(int index, std::string_view text) {
  if (index < 0 || index >= kGamePathCount) return;
  paths_[index] = Limited(text, kGamePathLimit, paths_[index]);
}

void ProfileEditForm::WriteTo(ProfileRecord& profile) const {
  SetTextField(profile.ProFileName, name_);
  SetTextField(profile.GameFile0, paths_[0]);
  SetTextField(profile.GameFile1, paths_[1]);
  SetTextField(profile.GameFile2, paths_[2]);
}

}  // namespace brelfx
