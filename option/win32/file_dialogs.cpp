#include "option/win32/file_dialogs.h"

#include <commdlg.h>

#include <cstring>

namespace brelfx {
namespace {

// "Tarvek Keyboard Profile(*.tkp)|*.tkp|" with the separators as the dialog wants them.
constexpr char kProfileFilter[] = "Tarvek Keyboard Profile(*.tkp)\0*.tkp\0";
constexpr char kProgramFilter[] = "Programs (*.exe)\0*.exe\0All files (*.*)\0*.*\0";

std::optional<std::string> Ask(HWND owner, const std::string& initialFile, const char* filter,
                               const char* extension, DWORD flags, bool save) {
  char path[MAX_PATH] = "";
  std::strncpy(path, initialFile.c_str(), MAX_PATH - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = extension;
  dialog.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
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
  return Ask(owner, initialFile, kProgramFilter, "exe", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
             false);
}

}  // namespace brelfx
