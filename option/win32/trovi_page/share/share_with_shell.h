// StartTrophyShare with the shell that opens the reply passed in, so a test
// can record what would have been opened. The shell must outlive the share.
#pragma once

#include "option/win32/trovi_page/trophy_share.h"
#include "platform/program_shell.h"

namespace brelfx {

bool StartTrophyShare(HWND notify, UINT doneMessage, int trophy, const std::wstring& configPath,
                      ProgramShell& shell);

}  // namespace brelfx
