#include "monitor/desktop/player_paths.h"

#include <algorithm>
#include <cctype>

namespace brelfx {
namespace {

constexpr char kWmpKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
constexpr char kITunesKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
constexpr char kVlcKey[] = "SOFTWARE\\Classes\\Applications\\vlc.exe\\shell\\open\\command";
constexpr char kWinampKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
constexpr char kWinampStreamKey[] = "SOFTWARE\\Classes\\ICY\\shell\\open\\command";
// A Winamp.File command shorter than this names no program: the stream
// handler's entry is taken instead.
constexpr std::size_t kShortestWinampCommand = 10;

std::string ReadDefault(Registry& registry, const char* key) {
  return registry.ReadMachineString(key, "").value_or("");
}

// The text after the first double quote up to the next one (or the end).
std::string QuotedPath(std::string_view command) {
  const std::size_t open = command.find('"');
  const std::string_view rest = command.substr(open + 1);
  return std::string(rest.substr(0, rest.find('"')));
}

std::string KeepIfNamed(std::string path, std::string_view name) {
  return ContainsIgnoringCase(path, name) ? path : std::string();
}

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  const auto equal = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), equal) != text.end();
}

std::string VlcPathFromCommand(std::string_view command) {
  if (!command.empty() && command.front() == '"') return QuotedPath(command);
  return std::string(command.substr(0, command.find("--started")));
}

// A command that starts with its quoted program gives the quoted text; one
// whose program stands unquoted before quoted arguments gives the text
// before them (the second character onwards would cut the drive letter).
std::string WinampPathFromCommand(std::string_view command) {
  const std::size_t quote = command.find('"');
  if (quote == 0) return QuotedPath(command);
  if (quote == std::string_view::npos) return std::string(command);
  std::string_view program = command.substr(0, quote);
  while (!program.empty() && program.back() == ' ') program.remove_suffix(1);
  return std::string(program);
}

std::string InstalledPlayerPath(MediaPlayer player, Registry& registry) {
  switch (player) {
    case MediaPlayer::kWindowsMediaPlayer:
      return registry.ExpandEnvironment(ReadDefault(registry, kWmpKey));
    case MediaPlayer::kITunes:
      return KeepIfNamed(registry.ReadMachineString(kITunesKey, "path").value_or(""), "itunes");
    case MediaPlayer::kVlc:
      return KeepIfNamed(VlcPathFromCommand(ReadDefault(registry, kVlcKey)), "vlc");
    case MediaPlayer::kWinamp: {
      std::string command = ReadDefault(registry, kWinampKey);
      if (command.size() < kShortestWinampCommand)
        command = ReadDefault(registry, kWinampStreamKey);
      return KeepIfNamed(WinampPathFromCommand(command), "winamp");
    }
  }
  return {};
}

}  // namespace brelfx
