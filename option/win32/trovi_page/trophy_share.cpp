#include "option/win32/trovi_page/trophy_share.h"

#include <objbase.h>

#include <atomic>
#include <system_error>
#include <thread>

#include "option/app/trovi_page/share/install_id.h"
#include "option/app/trovi_page/share/share_request.h"
#include "option/app/trovi_page/share/web_address.h"
#include "option/win32/trovi_page/share/http_get.h"
#include "option/win32/trovi_page/share/share_with_shell.h"
#include "option/win32/trovi_page/share/system_random.h"
#include "platform/log.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/program_shell.h"
#include "settings/ini_file.h"

namespace brelfx {
namespace {

// 4 s for each step (resolve, connect, send, the reply's headers, each read)
// and no reading past 8 s: a silent service fails after 4 s, the slowest
// possible one after about 20. The reply is one address.
constexpr HttpGetLimits kShareLimits{4000, 8000, 2 * kMaxWebAddressLength};
constexpr unsigned kHttpOk = 200;

std::atomic<bool> shareRunning{false};

// The shell may hand a web address to a shell extension, which needs COM
// on the calling thread.
bool OpenInBrowser(ProgramShell& shell, const std::string& address) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const bool opened = shell.Open(address, "");
  if (SUCCEEDED(com)) CoUninitialize();
  return opened;
}

ShareResult ShareTrophy(int trophy, const std::string& configPath, ProgramShell& shell) {
  IniFile config(configPath);
  const std::string installId = ReadOrCreateInstallId(config, FillSystemRandom);
  if (installId.empty()) return ShareResult::kFailed;
  const std::string serviceUrl = ShareServiceUrl(config);
  const auto requestUrl = BuildShareRequestUrl(serviceUrl, trophy, installId);
  if (!requestUrl) {
    DebugLog("Share: no request for trophy %d to \"%s\"\n", trophy, serviceUrl.c_str());
    return ShareResult::kFailed;
  }
  const HttpGetReply reply = HttpGet(*requestUrl, kShareLimits);
  if (!reply.answered) return ShareResult::kFailed;
  if (reply.status != kHttpOk) {
    DebugLog("Share: the service answered HTTP %u\n", reply.status);
    return ShareResult::kFailed;
  }
  const auto address = WebAddressFromReply(reply.body);
  if (!address) {
    DebugLog("Share: refused a reply of %u bytes that is no plain web address\n",
             static_cast<unsigned>(reply.body.size()));
    return ShareResult::kRefusedReply;
  }
  return OpenInBrowser(shell, *address) ? ShareResult::kOpened : ShareResult::kFailed;
}

}  // namespace

bool StartTrophyShare(HWND notify, UINT doneMessage, int trophy, const std::wstring& configPath,
                      ProgramShell& shell) {
  bool idle = false;
  if (!shareRunning.compare_exchange_strong(idle, true)) return false;
  const std::string path = Win32AnsiText().FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(configPath.data()), configPath.size()));
  try {
    // Detached: the request is bounded in time, and a closing program need
    // not wait for it; a done message to a window that is gone is dropped.
    std::thread([notify, doneMessage, trophy, path, &shell] {
      ShareResult result = ShareResult::kFailed;
      try {
        result = ShareTrophy(trophy, path, shell);
      } catch (const std::exception& e) {
        DebugLog("Share: %s\n", e.what());
      }
      // Free before the page hears of it, so it may share again at once.
      shareRunning = false;
      PostMessageW(notify, doneMessage, static_cast<WPARAM>(result), 0);
    }).detach();
  } catch (const std::system_error& e) {
    DebugLog("Share: no thread: %s\n", e.what());
    shareRunning = false;
    return false;
  }
  return true;
}

bool StartTrophyShare(HWND notify, UINT doneMessage, int trophy, const std::wstring& configPath) {
  // Never destroyed: a share may still be running while the program exits.
  static auto* shell = new Win32ProgramShell;
  return StartTrophyShare(notify, doneMessage, trophy, configPath, *shell);
}

}  // namespace brelfx
