#include "option/win32/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

namespace brelfx {
namespace {

// "Tarvek Keyboard Profile(*.tkp)|*.tkp|" with the separators as the dialog wants them.
constexpr char kProfileFilter[] = "Tarvek Keyboard Profile(*.tkp)\0*.tkp\0";
// "exe file(*.exe)|*.EXE|": programs only, as a key or a profile starts them.
constexpr char kProgramFilter[] = "exe file(*.exe)\0*.EXE\0";

// The common dialog library is loaded by the first file dialog: imported,
// it would bring the common controls into every start (common_controls.h).
using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEA*);
FileDialogCall FileDialog(bool save) {
  static const HMODULE library = LoadLibraryA("comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<FileDialogCall>(reinterpret_cast<void*>(
      GetProcAddress(library, save ? "GetSaveFileNameA" : "GetOpenFileNameA")));
}

std::optional<std::string> Ask(HWND owner, const std::string& initialFile, const char* filter,
                               const char* extension, DWORD flags, bool save,
                               const char* initialFolder = nullptr) {
  char path[MAX_PATH] = "";
  std::strncpy(path, initialFile.c_str(), MAX_PATH - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = extension;
  // Used while the initial file names no folder of its own.
  dialog.lpstrInitialDir = initialFolder;
  dialog.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  const FileDialogCall run = FileDialog(save);
  if (!run || !run(&dialog)) return std::nullopt;
  return std::string(path);
}

}  // namespace

std::optional<std::string> AskProfileToLoad(HWND owner, const std::string& initialFile) {
  return Ask(owner, initialFile, kProfileFilter, "tkp", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
             false);
}

std::optional<std::string> AskProfileToSave(HWND owner, const std::string& initialFile) {
  return Ask(owner, initialFile, kProfileFilter, "tkp", OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
             true);
}

std::optional<std::string> AskProgram(HWND owner, const std::string& initialFile) {
  // A program chosen before is shown in its folder; otherwise the dialog
  // starts on the desktop, where the links to games and programs are.
  const std::size_t slash = initialFile.find_last_of("\\/");
  const DWORD folder = slash == std::string::npos
                           ? INVALID_FILE_ATTRIBUTES
                           : GetFileAttributesA(initialFile.substr(0, slash).c_str());
  if (folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY)) {
    return Ask(owner, initialFile, kProgramFilter, "exe", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
               false);
  }
  char desktop[MAX_PATH] = "";
  const bool haveDesktop =
      SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop));
  return Ask(owner, "", kProgramFilter, "exe", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false,
             haveDesktop ? desktop : nullptr);
}

}  // namespace brelfx
