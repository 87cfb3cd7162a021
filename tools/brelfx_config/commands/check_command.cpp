// brelfx-config check PATH…: validates profile files, config.ini files and
// whole configuration folders (config.ini and config/Default0-4.tkp).
#include <cctype>
#include <ostream>

#include "platform/path.h"
#include "settings/settings_files.h"
#include "tools/brelfx_config/command.h"
#include "tools/brelfx_config/settings_check.h"

namespace brelfx::config_tool {
namespace {

bool IsConfigIni(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  if (name.size() != 10) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != "config.ini"[i]) return false;
  return true;
}

struct CheckRun {
  CommandContext& context;
  int problems = 0;
  bool ioError = false;

  void File(const std::string& path, bool configIni) {
    std::string text;
    if (!context.host.fs.ReadFile(path, text)) {
      if (context.host.fs.Kind(path) == PathKind::kMissing) {
        context.out << path << ": file missing\n";
        ++problems;
      } else {
        ReportError(context, path + ": cannot read the file");
        ioError = true;
      }
      return;
    }
    for (const Problem& p : configIni ? CheckConfigText(text) : CheckProfileText(text)) {
      context.out << path << ": " << p.key << ": " << p.what << "\n";
      ++problems;
    }
  }

  void Path(const std::string& path) {
    switch (context.host.fs.Kind(path)) {
      case PathKind::kMissing:
        ReportError(context, path + ": no such file or folder");
        ioError = true;
        break;
      case PathKind::kFile:
        File(path, IsConfigIni(path));
        break;
      case PathKind::kFolder: {
        SettingsFiles files(path, context.host.fs, NoRegistry());
        File(files.ConfigIniPath(), true);
        for (int slot = 0; slot < kProfileCount; ++slot) File(files.ProfileFilePath(slot), false);
        break;
      }
    }
  }
};

int RunCheck(CommandContext& context) {
  if (context.args.empty()) {
    ReportError(context, "usage: brelfx-config check PATH...");
    return kExitUsage;
  }
  CheckRun run{context};
  for (const std::string& path : context.args) run.Path(path);
  if (run.ioError) return kExitUsage;
  return run.problems == 0 ? kExitOk : kExitProblems;
}

}  // namespace

extern const Command kCheckCommand{"check", "PATH...",
                                   "validate profile files, config.ini or configuration folders",
                                   RunCheck};

}  // namespace brelfx::config_tool
