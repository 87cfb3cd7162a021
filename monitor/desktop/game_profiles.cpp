#include "monitor/desktop/game_profiles.h"

#include <algorithm>
#include <cctype>

#include "settings/text_field.h"

namespace brelfx {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool NamesGame(const std::string& storedPath, std::string_view executableName) {
  const std::string_view path = Trimmed(storedPath);
  return !path.empty() && EqualIgnoringCase(FileNameOf(path), executableName);
}

}  // namespace

std::optional<std::string> ForegroundExecutableName(ForegroundProcess& foreground) {
  const std::uint32_t processId = foreground.ForegroundProcessId();
  if (processId == 0) return std::nullopt;
  std::optional<std::string> name = foreground.ExecutableName(processId);
  if (name) {
    std::transform(name->begin(), name->end(), name->begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  }
  return name;
}

int GameProfileFor(const SettingsBlock& settings, std::string_view executableName) {
  for (int index = 0; index < kProfileCount; ++index) {
    const ProfileRecord& profile = settings.Profiles[index];
    for (const std::string& game : {TextField(profile.GameFile0), TextField(profile.GameFile1),
                                    TextField(profile.GameFile2)}) {
      if (NamesGame(game, executableName)) return index;
    }
  }
  return -1;
}

}  // namespace brelfx
