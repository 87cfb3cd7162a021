// "Share" on the Trovi page: one request to the trophy service for the
// selected trophy's web address, made off the GUI thread and bounded in
// time; the reply is opened in the default browser only when it is a plain
// web address.
#pragma once

#include <windows.h>

#include <string>

namespace brelfx {

// wParam of the done message.
enum class ShareResult : WPARAM {
  kOpened,        // the reply was a web address and the browser was asked to open it
  kRefusedReply,  // the service answered something that is not a plain web address
  kFailed,        // no answer: no network, time-out, HTTP error
};

// Starts sharing trophy `trophy` (0-15). The service address and the install
// identifier come from config.ini at `configPath` ([Share] Url, the
// identifier created there on first use). Posts `doneMessage` to `notify`
// with the ShareResult when done. False when a share is still running.
bool StartTrophyShare(HWND notify, UINT doneMessage, int trophy, const std::wstring& configPath);

}  // namespace brelfx
