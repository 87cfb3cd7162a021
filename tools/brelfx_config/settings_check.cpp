#include "tools/brelfx_config/settings_check.h"

#include <cstring>

#include "settings/ini_document.h"
#include "settings/profile_file.h"
#include "settings/settings_block.h"
#include "settings/settings_files.h"
#include "settings/struct_value.h"

namespace brelfx::config_tool {
namespace {

class Checker {
 public:
  Checker(std::string_view text, std::string_view section)
      : document_(std::string(text)), section_(section) {}

  // The raw value, or nothing (and a "missing" problem).
  std::optional<std::string_view> Value(const std::string& key) {
    auto value = document_.Find(section_, key);
    if (!value) Add(key, "missing");
    return value;
  }

  void Int(const std::string& key, int min, int max) {
    const auto value = Value(key);
    if (!value) return;
    std::string_view digits = *value;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
    if (digits.empty() || digits[0] < '0' || digits[0] > '9') {
      Add(key, "'" + Shown(*value) + "' is not a number");
      return;
    }
    const int number = LeadingDecimal(*value);
    if (min <= max && (number < min || number > max)) {
      Add(key, std::to_string(number) + " is outside " + std::to_string(min) + "-" +
                   std::to_string(max));
    }
  }

  void Text(const std::string& key, std::size_t capacity) {
    const auto value = Value(key);
    if (value && value->size() > capacity - 1) {
      Add(key, "text of " + std::to_string(value->size()) + " characters, at most " +
                   std::to_string(capacity - 1) + " fit");
    }
  }

  // Decodes the struct into `data` when it is well-formed.
  bool Struct(const std::string& key, void* data, std::size_t size) {
    const auto value = Value(key);
    if (!value) return false;
    switch (CheckStructValue(*value, size)) {
      case StructValueError::kNone:
        return DecodeStructValue(*value, data, size);
      case StructValueError::kLength:
        Add(key, "struct value of " + std::to_string(value->size()) + " digits, expected " +
                     std::to_string(2 * size + 2));
        break;
      case StructValueError::kDigit:
        Add(key, "struct value holds a character that is not a hex digit");
        break;
      case StructValueError::kChecksum:
        Add(key, "struct value checksum does not match");
        break;
    }
    return false;
  }

  void Add(const std::string& key, std::string what) { problems_.push_back({key, std::move(what)}); }
  bool HasSection() const { return document_.HasSection(section_); }
  std::vector<Problem> TakeProblems() { return std::move(problems_); }

 private:
  // A value as quoted in a message: at most 40 characters.
  static std::string Shown(std::string_view value) {
    return value.size() > 40 ? std::string(value.substr(0, 40)) + "…" : std::string(value);
  }

  IniDocument document_;
  std::string section_;
  std::vector<Problem> problems_;
};

void CheckKeyAssignment(Checker& checker, const std::string& key, const KeyAssignment& a,
                        int position) {
  if (a.KeyIndex != position)
    checker.Add(key, "key index " + std::to_string(a.KeyIndex) + " stored at position " +
                         std::to_string(position));
  if (a.ActionCount > kMaxActions)
    checker.Add(key, "action count " + std::to_string(a.ActionCount) + " above " +
                         std::to_string(kMaxActions));
}

}  // namespace

std::vector<Problem> CheckProfileText(std::string_view text) {
  Checker checker(text, kProfileSection);
  if (!checker.HasSection()) {
    checker.Add("[Setting]", "section missing");
    return checker.TakeProblems();
  }
  int macroKey = 0;
  for (const ProfileKey& key : ProfileKeys()) {
    switch (key.kind) {
      case ValueKind::kText:
        checker.Text(key.name, key.size);
        break;
      case ValueKind::kInt:
        checker.Int(key.name, key.min, key.max);
        break;
      case ValueKind::kStruct:
        if (key.size == sizeof(KeyAssignment)) {
          KeyAssignment assignment;
          if (checker.Struct(key.name, &assignment, sizeof(assignment)))
            CheckKeyAssignment(checker, key.name, assignment, macroKey);
          ++macroKey;
        } else {
          LightInfo light;
          checker.Struct(key.name, &light, sizeof(light));
        }
        break;
    }
  }
  return checker.TakeProblems();
}

std::vector<Problem> CheckConfigText(std::string_view text) {
  Checker checker(text, kSettingSection);
  if (!checker.HasSection()) {
    checker.Add("[Setting]", "section missing");
    return checker.TakeProblems();
  }
  checker.Int("CurrentProfile", 0, kProfileCount - 1);
  checker.Int("WindowsProfile", -1, kProfileCount - 1);
  checker.Int("QuickHelpLan", 0, 16);
  checker.Int("MouseType", 1, 0);
  std::uint8_t info[kInfoDataSize];
  checker.Struct("InfoData", info, sizeof(info));
  return checker.TakeProblems();
}

}  // namespace brelfx::config_tool
