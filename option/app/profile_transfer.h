// Load and Save of the Profile buttons: a profile exported to or imported from
// a .tkp file the user chose, with copies kept beside the program (Load) and
// in the config folder (Save). The file dialogs are the window's; these take
// the chosen path.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "settings/ini_document.h"
#include "settings/settings_block.h"
#include "settings/settings_files.h"

namespace brelfx {

// What happened, in a line for the help area.
struct TransferResult {
  bool done = false;
  std::string message;
};

// A file parses as a profile when it has the profile section and all 58 key
// entries, each of full length with a matching checksum. An empty, binary or
// cut-off file fails, so loading it cannot wipe the slot's keys.
bool ParsesAsProfile(const IniDocument& document);

// The file's name without its extension ("C:\\Games\\game.tkp" → "game").
std::string FileTitleOf(std::string_view path);

class ProfileTransfer {
 public:
  ProfileTransfer(std::string programFolder, FileSystem& fs, SettingsFiles& files);

  // Copies the chosen file to "<title>.tkp" in the program folder and reads it
  // into the active slot, marking all its keys for sending with the next
  // Apply. A file that cannot be read or does not parse changes nothing.
  TransferResult Load(const std::string& chosenPath, SettingsBlock& edited);

  // Writes the active slot to the chosen file (written beside it and renamed
  // over it, so the old file stays until the new one is complete), records
  // the title as [FileName] Profile<slot number> and copies the file to
  // config\<title>.tkp. A title that is another slot's own profile file
  // (DefaultN) is refused: the copy would replace that slot's settings.
  TransferResult Save(const std::string& chosenPath, const SettingsBlock& edited);

 private:
  std::string folder_;
  FileSystem& fs_;
  SettingsFiles& files_;
};

}  // namespace brelfx
