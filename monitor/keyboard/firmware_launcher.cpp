#include "monitor/keyboard/firmware_launcher.h"

#include "monitor/monitor_messages.h"
#include "platform/log.h"
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
  // Only a running upgrade program needs the keyboard: when it could not be
  // started (missing, or blocked by a virus scanner) the monitor stays, or it
  // would end at every start and every plug with nothing to restart it.
  const std::string program = JoinPath(firmwareFolder_, kFirmwareUpgradeProgram);
  if (shell_.Open(program, direction)) return true;
  DebugLog("Firmware %d differs from the keyboard's %d, but %s did not start\r\n", packagedVersion,
           keyboardVersion, program.c_str());
  return false;
}

int FirmwareLauncher::PackagedVersion() const {
  const IniFile packaged(JoinPath(firmwareFolder_, kPackagedFirmwareFile), fs_);
  const std::string text = packaged.ReadString("Firmware", "Version", "");
  if (text.empty() || text.front() < '0' || text.front() > '9') return -1;
  return LeadingDecimal(text);
}

}  // namespace brelfx
