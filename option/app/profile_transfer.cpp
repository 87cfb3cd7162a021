#include "option/app/profile_transfer.h"

#include <cstdio>

#include "platform/path.h"
#include "settings/profile_file.h"

namespace brelfx {
namespace {

bool IsSlot(int slot) { return slot >= 0 && slot < kProfileCount; }

std::string KeyName(const char* format, int index) {
  char name[32];
  std::snprintf(name, sizeof(name), format, index);
  return name;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The slot whose profile file (config\DefaultN.tkp) has this title, or -1.
int SlotOfDefaultTitle(std::string_view title) {
  for (int slot = 0; slot < kProfileCount; ++slot)
    if (SameNameIgnoringCase(title, KeyName("Default%d", slot))) return slot;
  return -1;
}

}  // namespace

bool ParsesAsProfile(const IniDocument& document) {
  KeyAssignment scratch;
  for (int key = 0; key < kKeyCount; ++key)
    if (!document.ReadStruct(kProfileSection, KeyName("MacroKeyInfo%d", key), &scratch,
                             sizeof(scratch)))
      return false;
  return true;
}

std::string FileTitleOf(std::string_view path) {
  std::string_view name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

ProfileTransfer::ProfileTransfer(std::string programFolder, FileSystem& fs, SettingsFiles& files)
    : folder_(std::move(programFolder)), fs_(fs), files_(files) {}

TransferResult ProfileTransfer::Load(const std::string& chosenPath, SettingsBlock& edited) {
  const int slot = edited.CurrentProfile;
  if (!IsSlot(slot)) return {false, "No profile slot is selected."};
  std::string text;
  if (!fs_.ReadFile(chosenPath, text)) return {false, "The profile file could not be opened."};
  const IniDocument document(text);
  const std::string title = FileTitleOf(chosenPath);
  if (!ParsesAsProfile(document))
    return {false, title + " is not a complete profile file; nothing was loaded."};

  const bool copied = WriteFileAtomically(fs_, JoinPath(folder_, title + ".tkp"), text);
  ReadProfile(document, edited.Profiles[slot]);
  // The whole slot changed: every key goes to the keyboard with the next Apply.
  for (std::int32_t& changed : edited.KeyChanged[slot]) changed = 1;

  std::string message = "Loaded " + title + " into profile slot " + std::to_string(slot + 1) + ".";
  if (!copied) message += " Its copy in the program folder could not be written.";
  return {true, message};
}

TransferResult ProfileTransfer::Save(const std::string& chosenPath, const SettingsBlock& edited) {
  const int slot = edited.CurrentProfile;
  if (!IsSlot(slot)) return {false, "No profile slot is selected."};
  const std::string title = FileTitleOf(chosenPath);
  const int owner = SlotOfDefaultTitle(title);
  if (owner >= 0 && owner != slot)
    return {false, title + " holds profile slot " + std::to_string(owner + 1) +
                       "; save under another name."};

  IniDocument document;
  WriteProfile(document, edited.Profiles[slot]);
  const std::string text = document.Text();
  if (!WriteFileAtomically(fs_, chosenPath, text))
    return {false, title + " could not be written; the file is as it was."};

  const bool titled = files_.WriteProfileTitle(slot + 1, title);
  const std::string configFolder = JoinPath(folder_, "config");
  fs_.CreateFolder(configFolder);
  const bool copied = WriteFileAtomically(fs_, JoinPath(configFolder, title + ".tkp"), text);

  std::string message = "Saved profile slot " + std::to_string(slot + 1) + " as " + title + ".";
  if (!titled) message += " config.ini could not be updated.";
  if (!copied) message += " Its copy in the config folder could not be written.";
  return {true, message};
}

}  // namespace brelfx
