// The installer and its uninstaller run silently, as a deployment tool runs
// them, in a Wine prefix no install has touched (scripts/wine-fresh-prefix.sh
// gives every run a new one). The cases build on each other in order: install,
// upgrade over a running monitor, uninstall keeping the settings, uninstall
// removing them.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>
// Needs windows.h first.
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "brelfx_version.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "settings/shared_catalogue.h"

namespace brelfx::test {
namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\BrelFX";

// The folder layout the programs expect, as the product documents it.
const char* const kLayout[] = {
    "BrelFXMonitor.exe", "BrelFXOption.exe", "BrelOSD.exe", "zendrel.dll", "config.ini",
    "config\\Default0.tkp", "config\\Default1.tkp", "config\\Default2.tkp",
    "config\\Default3.tkp", "config\\Default4.tkp", "Wave\\Volume\\go.wav",
    "Wave\\Volume\\Every_Trophy.wav", "help\\Danish_help.dll", "help\\English_help.dll",
    "help\\Finnish_help.dll", "help\\French_help.dll", "help\\German_help.dll",
    "help\\Italian_help.dll", "help\\Japanese_help.dll", "help\\Korean_help.dll",
    "help\\Polish_help.dll", "help\\Russian_help.dll", "help\\SimplChinese_help.dll",
    "help\\Spanish_help.dll", "help\\Swedish_help.dll", "help\\Thai_help.dll",
    "help\\TradChinese_help.dll", "help\\Turkish_help.dll", "help\\Vietnamese_help.dll",
    "Gif\\", "FWUpdate\\BrelFX Firmware Upgrade.exe", "FWUpdate\\zendrel.dll", "uninstall.exe"};
const char* const kPrograms[] = {"BrelFXMonitor.exe", "BrelFXOption.exe", "BrelOSD.exe", "zendrel.dll",
                                 "FWUpdate\\", "help\\", "Wave\\", "uninstall.exe"};

std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}
std::string InstallFolder() { return KnownFolder(CSIDL_PROGRAM_FILES) + "\\Brel FX\\"; }
std::string StartMenuEntry() { return KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Brel FX.lnk"; }

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A REG_SZ value, or "<none>".
std::string RegistryText(HKEY root, const char* key, const char* name) {
  char text[1024];
  DWORD size = sizeof(text);
  if (RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return "<none>";
  return text;
}

// Runs a program to its end with no handle of ours: the monitor the installer
// starts must not hold anything the test waits for. Its process id goes to
// *processId when asked for.
DWORD RunAndWait(const std::string& program, const std::string& arguments,
                 DWORD* processId = nullptr) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\" " + arguments;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return 0xFFFFFFFF;
  if (processId) *processId = process.dwProcessId;
  DWORD code = 0xFFFFFFFF;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

DWORD Install() { return RunAndWait(BRELFX_SETUP, "/S"); }

// Waits for the processes that `parent` started and that still run.
bool ChildrenEnded(DWORD parent, DWORD timeoutMs) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  std::vector<HANDLE> children;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (entry.th32ParentProcessID == parent)
      if (HANDLE child = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID))
        children.push_back(child);
  CloseHandle(snapshot);
  bool ended = true;
  for (HANDLE child : children) {
    ended = ended && WaitForSingleObject(child, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(child);
  }
  return ended;
}

// The uninstaller copies itself away, starts the copy and returns at once;
// the uninstall is done when that copy has ended. Whatever is checked before
// may still be on the copy's list (it removes the folders last).
bool Uninstall(const std::string& options) {
  DWORD uninstaller = 0;
  if (RunAndWait(InstallFolder() + "uninstall.exe", "/S " + options, &uninstaller) != 0)
    return false;
  return ChildrenEnded(uninstaller, 60000) &&
         RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName") == "<none>";
}

// A text of a file's version resource ("<none>" without one).
std::string VersionText(const std::string& path, const char* name) {
  std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), nullptr));
  char* text = nullptr;
  UINT length = 0;
  if (info.empty() || !GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data()) ||
      !VerQueryValueA(info.data(), (std::string("\\StringFileInfo\\040904b0\\") + name).c_str(),
                      reinterpret_cast<void**>(&text), &length))
    return "<none>";
  return text;
}

DWORD MonitorProcess() {
  DWORD process = 0;
  if (HWND window = FindWindowA(nullptr, kMonitorWindowTitle))
    GetWindowThreadProcessId(window, &process);
  return process;
}

// The monitor of the install runs and has the simulated keyboard open.
bool MonitorHasTheKeyboard() {
  return WaitUntil(
      [] {
        return MonitorProcess() != 0 &&
               GetPrivateProfileIntA("Setting", "Device", 0,
                                     (InstallFolder() + "config.ini").c_str()) == 1;
      },
      15000);
}

std::string ProfileName(int slot) {
  char name[64] = "";
  GetPrivateProfileStringA("Setting", "ProFileName", "", name, sizeof(name),
                           (InstallFolder() + "config\\Default" + std::to_string(slot) + ".tkp")
                               .c_str());
  return name;
}

// Relative path ("help/English_help.dll", folders end with "/") → size.
using FileList = std::map<std::string, std::uint32_t>;

std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

void ListFolder(const std::string& folder, const std::string& relative, FileList& list) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + relative + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      list[Slashed(relative + name + "/")] = 0;
      ListFolder(folder, relative + name + "\\", list);
    } else {
      list[Slashed(relative + name)] = found.nFileSizeLow;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

FileList InstalledFiles() {
  FileList list;
  ListFolder(InstallFolder(), "", list);
  return list;
}

std::uint32_t Little(const std::string& bytes, size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
  return value;
}

// The zip's central directory: entry name below the top folder → size.
FileList ZipFiles(const std::string& path, const std::string& topFolder) {
  std::ifstream file(path, std::ios::binary);
  const std::string zip{std::istreambuf_iterator<char>(file), {}};
  const size_t end = zip.rfind(std::string("PK\x05\x06", 4));
  if (end == std::string::npos) return {};
  FileList list;
  size_t at = Little(zip, end + 16, 4);
  for (std::uint32_t i = Little(zip, end + 10, 2); i > 0; --i) {
    const std::uint32_t nameLength = Little(zip, at + 28, 2);
    std::string name = zip.substr(at + 46, nameLength);
    if (name.rfind(topFolder, 0) == 0 && name != topFolder)
      list[name.substr(topFolder.size())] = Little(zip, at + 24, 4);
    at += 46 + nameLength + Little(zip, at + 30, 2) + Little(zip, at + 32, 2);
  }
  return list;
}

TEST(Installer, FreshSilentInstallLaysOutTheFolderRegistersAndStartsTheMonitor) {
  ASSERT_FALSE(Exists(InstallFolder())) << "the prefix is not fresh";
  ASSERT_EQ(Install(), 0u);
  for (const char* file : kLayout) EXPECT_TRUE(Exists(InstallFolder() + file)) << file;
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kRunKey, "BrelFXMonitor"),
            "\"" + InstallFolder() + "BrelFXMonitor.exe\"");
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
            BRELFX_VERSION_TEXT);
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"),
            "\"" + InstallFolder() + "uninstall.exe\" /S");
  EXPECT_TRUE(Exists(StartMenuEntry()));
  EXPECT_TRUE(MonitorHasTheKeyboard());
  // One version everywhere: the installer's and every shipped program's.
  EXPECT_EQ(VersionText(BRELFX_SETUP, "ProductVersion"), BRELFX_VERSION_TEXT);
  for (const char* program : {"BrelFXMonitor.exe", "BrelFXOption.exe", "BrelOSD.exe", "zendrel.dll",
                              "FWUpdate\\BrelFX Firmware Upgrade.exe"})
    EXPECT_EQ(VersionText(InstallFolder() + program, "FileVersion"), BRELFX_VERSION_TEXT) << program;
}

// What the programs write beside the shipped files while they run.
bool WrittenByThePrograms(const std::string& name) {
  return name == "DeviceInfo.ini" || name == "RunsStart.ini" || name.rfind("~bx", 0) == 0;
}

TEST(Installer, ZipHoldsExactlyTheInstalledFolder) {
  const FileList zip = ZipFiles(BRELFX_PORTABLE_ZIP, "BrelFX/");
  FileList installed = InstalledFiles();
  ASSERT_FALSE(zip.empty());
  installed.erase("uninstall.exe");
  std::erase_if(installed, [](const auto& file) { return WrittenByThePrograms(file.first); });
  // config.ini is the user's from the first start on: its name must match,
  // its content need not.
  installed["config.ini"] = zip.count("config.ini") ? zip.at("config.ini") : 0;
  EXPECT_EQ(installed, zip);
}

TEST(Installer, UpgradeOverARunningMonitorKeepsAnEditedProfileAndRestartsIt) {
  ASSERT_TRUE(MonitorHasTheKeyboard());
  const DWORD firstMonitor = MonitorProcess();
  ASSERT_TRUE(WritePrivateProfileStringA(
      "Setting", "ProFileName", "Raid night",
      (InstallFolder() + "config\\Default2.tkp").c_str()));
  ASSERT_EQ(Install(), 0u);
  EXPECT_EQ(ProfileName(2), "Raid night");
  EXPECT_TRUE(MonitorHasTheKeyboard());
  EXPECT_NE(MonitorProcess(), firstMonitor) << "the running monitor was not closed and restarted";
}

TEST(Installer, SilentUninstallRemovesTheProgramsAndKeepsTheSettings) {
  ASSERT_TRUE(Uninstall(""));
  for (const char* file : kPrograms) EXPECT_FALSE(Exists(InstallFolder() + file)) << file;
  EXPECT_EQ(MonitorProcess(), 0u);
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kRunKey, "BrelFXMonitor"), "<none>");
  EXPECT_FALSE(Exists(StartMenuEntry()));
  EXPECT_TRUE(Exists(InstallFolder() + "config.ini"));
  EXPECT_EQ(ProfileName(2), "Raid night");
}

TEST(Installer, UninstallWithRemoveSettingsLeavesNoFolder) {
  ASSERT_EQ(Install(), 0u);
  EXPECT_EQ(ProfileName(2), "Raid night");  // kept settings come back with the programs
  ASSERT_TRUE(MonitorHasTheKeyboard());
  ASSERT_TRUE(Uninstall("/REMOVESETTINGS"));
  EXPECT_FALSE(Exists(InstallFolder()));
  EXPECT_EQ(MonitorProcess(), 0u);
}

}  // namespace
}  // namespace brelfx::test
