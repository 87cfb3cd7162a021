#include "option/app/trovi_page/first_start.h"

#include "platform/path.h"
#include "settings/ini_file.h"

namespace brelfx {
namespace {

constexpr char kSection[] = "StartTime";

struct Field {
  const char* key;
  int LocalDateTime::*member;
};
constexpr Field kFields[] = {{"Year", &LocalDateTime::year},
                             {"Month", &LocalDateTime::month},
                             {"Day", &LocalDateTime::day},
                             {"Hour", &LocalDateTime::hour},
                             {"Minute", &LocalDateTime::minute}};

}  // namespace

LocalDateTime ReadFirstStart(FileSystem& fs, const std::string& programFolder,
                             const LocalDateTime& now) {
  IniFile file(JoinPath(programFolder, "RunsStart.ini"), fs);
  constexpr int kMissing = -1;
  if (file.ReadInt(kSection, "Year", kMissing) == kMissing) {
    for (const Field& field : kFields) file.WriteInt(kSection, field.key, now.*field.member);
    return LocalDateTime{now.year, now.month, now.day, now.hour, now.minute, 0};
  }
  LocalDateTime start;
  for (const Field& field : kFields)
    start.*field.member = file.ReadInt(kSection, field.key, now.*field.member);
  return start;
}

}  // namespace brelfx
