#include "settings/profile_file.h"

#include <cstdint>
#include <cstring>

#include "settings/ini_file.h"

namespace brelfx {
namespace {

constexpr int kNoRange = 1, kNoRangeEnd = 0;

#define BRELFX_FIELD(field) offsetof(ProfileRecord, field), sizeof(ProfileRecord::field)

std::vector<ProfileKey> MakeProfileKeys() {
  std::vector<ProfileKey> keys = {
      {"ProFileName", ValueKind::kText, BRELFX_FIELD(ProFileName), 0, kNoRange, kNoRangeEnd},
      {"GameFile0", ValueKind::kText, BRELFX_FIELD(GameFile0), 0, kNoRange, kNoRangeEnd},
      {"GameFile1", ValueKind::kText, BRELFX_FIELD(GameFile1), 0, kNoRange, kNoRangeEnd},
      {"GameFile2", ValueKind::kText, BRELFX_FIELD(GameFile2), 0, kNoRange, kNoRangeEnd},
      {"KBDelay", ValueKind::kInt, BRELFX_FIELD(KBDelay), -1, 0, 3},
      {"KBSpeed", ValueKind::kInt, BRELFX_FIELD(KBSpeed), -1, 0, 31},
      {"MediaOption", ValueKind::kInt, BRELFX_FIELD(MediaOption), -1, 0, 4},
      {"HDDKeyboard", ValueKind::kInt, BRELFX_FIELD(HDDKeyboard), -1, 0, 1},
      {"SoundProfile", ValueKind::kInt, BRELFX_FIELD(SoundProfile), -1, 0, 1},
      {"SoundLRecord", ValueKind::kInt, BRELFX_FIELD(SoundLRecord), -1, 0, 1},
      {"SoundSens", ValueKind::kInt, BRELFX_FIELD(SoundSens), -1, 0, 1},
      {"VolumeUpDown", ValueKind::kInt, BRELFX_FIELD(VolumeUpDown), -1, 0, 1},
      {"SoundTrophy", ValueKind::kInt, BRELFX_FIELD(SoundTrophy), -1, 0, 1},
      {"SoundVolume", ValueKind::kInt, BRELFX_FIELD(SoundVolume), -1, 0, 4},
  };
  for (int i = 0; i < 6; ++i) {
    keys.push_back({"ModifyKey" + std::to_string(i), ValueKind::kInt,
                    offsetof(ProfileRecord, ModifyKey) + i * sizeof(std::int32_t),
                    sizeof(std::int32_t), -1, 0, 1});
  }
  const std::vector<ProfileKey> lighting = {
      {"LtBrightness", ValueKind::kInt, BRELFX_FIELD(LtBrightness), 0, 0, 5},
      {"DimmerOption", ValueKind::kInt, BRELFX_FIELD(DimmerOption), 0, 0, 5},
      {"LtTimeout", ValueKind::kInt, BRELFX_FIELD(LtTimeout), 0, kNoRange, kNoRangeEnd},
      {"LtSwitch", ValueKind::kInt, BRELFX_FIELD(LtSwitch), 0, 0, 1},
      {"LtBreathSwitch", ValueKind::kInt, BRELFX_FIELD(LtBreathSwitch), 0, 0, 1},
      {"LtColorType", ValueKind::kInt, BRELFX_FIELD(LtColorType), 0, 0, 2},
      {"FixedLtInfo", ValueKind::kStruct, BRELFX_FIELD(FixedLtInfo), 0, kNoRange, kNoRangeEnd},
      {"CCLtInfo", ValueKind::kStruct, BRELFX_FIELD(CCLtInfo), 0, kNoRange, kNoRangeEnd},
  };
  keys.insert(keys.end(), lighting.begin(), lighting.end());
  for (int i = 0; i < kKeyCount; ++i) {
    keys.push_back({"MacroKeyInfo" + std::to_string(i), ValueKind::kStruct,
                    offsetof(ProfileRecord, MacroKeyInfo) + i * sizeof(KeyAssignment),
                    sizeof(KeyAssignment), 0, kNoRange, kNoRangeEnd});
  }
  return keys;
}

#undef BRELFX_FIELD

}  // namespace

const std::vector<ProfileKey>& ProfileKeys() {
  static const std::vector<ProfileKey> keys = MakeProfileKeys();
  return keys;
}

void ReadProfile(const IniDocument& document, ProfileRecord& profile) {
  auto* bytes = reinterpret_cast<std::uint8_t*>(&profile);
  for (const ProfileKey& key : ProfileKeys()) {
    std::uint8_t* field = bytes + key.offset;
    switch (key.kind) {
      case ValueKind::kText: {
        const std::string text = document.ReadString(kProfileSection, key.name, "");
        const std::size_t n = text.size() < key.size - 1 ? text.size() : key.size - 1;
        std::memcpy(field, text.data(), n);
        std::memset(field + n, 0, key.size - n);
        break;
      }
      case ValueKind::kInt: {
        const std::int32_t value = document.ReadInt(kProfileSection, key.name, key.readDefault);
        std::memcpy(field, &value, sizeof(value));
        break;
      }
      case ValueKind::kStruct:
        document.ReadStruct(kProfileSection, key.name, field, key.size);
        break;
    }
  }
}

void WriteProfile(IniDocument& document, const ProfileRecord& profile) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&profile);
  for (const ProfileKey& key : ProfileKeys()) {
    const std::uint8_t* field = bytes + key.offset;
    switch (key.kind) {
      case ValueKind::kText: {
        const void* end = std::memchr(field, 0, key.size);
        const std::size_t n = end ? static_cast<const std::uint8_t*>(end) - field : key.size;
        document.WriteString(kProfileSection, key.name,
                             std::string_view(reinterpret_cast<const char*>(field), n));
        break;
      }
      case ValueKind::kInt: {
        std::int32_t value;
        std::memcpy(&value, field, sizeof(value));
        document.WriteInt(kProfileSection, key.name, value);
        break;
      }
      case ValueKind::kStruct:
        document.WriteStruct(kProfileSection, key.name, field, key.size);
        break;
    }
  }
}

bool ReadProfileFile(FileSystem& fs, const std::string& path, ProfileRecord& profile) {
  std::string text;
  if (!fs.ReadFile(path, text)) return false;
  ReadProfile(IniDocument(std::move(text)), profile);
  return true;
}

bool WriteProfileFile(FileSystem& fs, const std::string& path, const ProfileRecord& profile) {
  const auto lock = LockSettingsFileUpdates();
  IniDocument document;
  if (!LoadIniDocument(fs, path, document)) return false;
  WriteProfile(document, profile);
  return SaveIniDocument(fs, path, document);
}

bool ExportProfileFile(FileSystem& fs, const std::string& path, const ProfileRecord& profile) {
  IniDocument document;
  WriteProfile(document, profile);
  return SaveIniDocument(fs, path, document);
}

}  // namespace brelfx
