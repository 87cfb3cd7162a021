// Profile files (config\Default0.tkp … Default4.tkp and exported .tkp files):
// one ProfileRecord as 86 keys of section "Setting", in the writer's order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "settings/ini_document.h"
#include "settings/settings_block.h"

namespace brelfx {

constexpr char kProfileSection[] = "Setting";
constexpr int kProfileKeyCount = 86;

enum class ValueKind { kText, kInt, kStruct };

// One key of a profile file and the field it holds.
struct ProfileKey {
  std::string name;
  ValueKind kind;
  std::size_t offset;  // of the field in ProfileRecord
  std::size_t size;    // field bytes (text: capacity including the final zero)
  int readDefault;     // ints: the value a missing key reads as
  int min, max;        // ints: the documented range; min > max when there is none
};

// The 86 keys in the order the writer emits them.
const std::vector<ProfileKey>& ProfileKeys();

// Reads every key of the document into the profile: a missing int or text
// takes its read default, overlong text is cut to its field, and a struct
// field keeps its value when its key is missing or damaged.
void ReadProfile(const IniDocument& document, ProfileRecord& profile);

// Writes the 86 keys, replacing existing keys in place.
void WriteProfile(IniDocument& document, const ProfileRecord& profile);

// Reads a profile file; false (profile untouched) when it cannot be opened.
bool ReadProfileFile(FileSystem& fs, const std::string& path, ProfileRecord& profile);

// Writes the profile into the file, keeping its other lines.
bool WriteProfileFile(FileSystem& fs, const std::string& path, const ProfileRecord& profile);

// Writes the profile as a fresh file (an exported profile): whatever the file
// held before is gone.
bool ExportProfileFile(FileSystem& fs, const std::string& path, const ProfileRecord& profile);

}  // namespace brelfx
