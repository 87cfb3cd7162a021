#include "monitor/firmware_launcher.h"

#include "monitor/monitor_messages.h"
#include "platform/path.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"

namespace brelfx {

FirmwareLauncher::FirmwareLauncher(ReportLink& link, StoreFwVersion storeVersion, FileSystem& fs,
                                   ProgramShell& shell, const std::string& programFolder)
    : link_(link),
      storeVersion_(std::move(storeVersion)),
      fs_(fs),
      shell_(shell),
      firmwareFolder_(JoinPath(programFolder, kFirmwareFolder)) {}

bool FirmwareLauncher::StartUpgradeIfNeeded() {
  const int keyboardVersion = ReadFirmwareVersion(link_, storeVersion_);
  if (keyboardVersion == 0) return false;  // not read: nothing to compare
  // Without a packaged version there is nothing to install. Starting the
  // upgrade program anyway would close the monitor at every connection.
  const int packagedVersion = PackagedVersion();
  if (packagedVersion < 0 || packagedVersion == keyboardVersion) return false;
  const char* direction = packagedVersion > keyboardVersion ? "1" : "0";
  // Whether the shell found the program or not, the monitor makes way for it.
  shell_.Open(JoinPath(firmwareFolder_, kFirmwareUpgradeProgram), direction);
  return true;
}

int FirmwareLauncher::PackagedVersion() const {
  const IniFile packaged(JoinPath(firmwareFolder_, kPackagedFirmwareFile), fs_);
  const std::string text = packaged.ReadString("Firmware", "Version", "");
  if (text.empty() || text.front() < '0' || text.front() > '9') return -1;
  return LeadingDecimal(text);
}

}  // namespace brelfx
