// BrelOSD.exe: the keyboard's on-screen display, started by the monitor from
// its own folder. One display per desktop; it ends when the monitor closes
// its main window.
#include <windows.h>

#include "osd/osd_look.h"
#include "osd/win32/companion_window.h"
#include "osd/win32/osd_window.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/settings_files.h"

namespace brelfx {
namespace {

// The windows the monitor closes at its shutdown, besides the display.
constexpr const char* kCompanionTitles[] = {"Tarvek Brel FX Keyboard Pop3",
                                            "Tarvek Brel FX Keyboard CPU RAM",
                                            "Tarvek Brel FX Keyboard OSD SKYPE"};

// The folder of BrelOSD.exe, with its closing backslash.
std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path, length < MAX_PATH ? length : 0);
  return program.substr(0, program.find_last_of('\\') + 1);
}

// The look the user chose, kept in config.ini beside the programs.
OsdLook StoredLook() {
  const OSDSetting setting =
      SettingsFiles(ProgramFolder(), SystemFileSystem(), NoRegistry()).ReadOsdSetting();
  return LookFromDisplayValues(setting.DisplayValue0, setting.DisplayValue1);
}

int RunDisplay() {
  if (FindWindowA(nullptr, "Tarvek Brel FX Keyboard OSD") != nullptr) return 0;
  COsdWnd display;
  if (!display.Create(StoredLook())) return 1;
  CCompanionWnd companions[3];
  for (int i = 0; i < 3; ++i) companions[i].Create(kCompanionTitles[i]);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

}  // namespace
}  // namespace brelfx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return brelfx::RunDisplay();
}
