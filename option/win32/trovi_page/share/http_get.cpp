#include "option/win32/trovi_page/share/http_get.h"

#include <windows.h>
// after windows.h, which it needs
#include <winhttp.h>

#include <chrono>

#include "platform/log.h"
#include "platform/unique_resource.h"
#include "platform/win32/last_error.h"
#include "platform/win32/wide_text.h"

namespace brelfx {
namespace {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static HINTERNET Invalid() { return nullptr; }
  static void Release(HINTERNET h) { WinHttpCloseHandle(h); }
};
using UniqueInternetHandle = UniqueResource<InternetHandleTraits>;

using Clock = std::chrono::steady_clock;

UniqueInternetHandle OpenSession() {
  // The system's proxy configuration (Windows 8.1 on); older systems know
  // only WinHTTP's own default.
  for (DWORD access :
       {DWORD{WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY}, DWORD{WINHTTP_ACCESS_TYPE_DEFAULT_PROXY}}) {
    UniqueInternetHandle session(
        WinHttpOpen(L"BrelFXOption", access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (session) return session;
  }
  LogLastError("WinHttpOpen");
  return {};
}

// The request after the status line arrived, or nothing.
UniqueInternetHandle SendRequest(HINTERNET connection, const URL_COMPONENTS& parts,
                                 const std::wstring& path, const HttpGetLimits& limits) {
  const DWORD flags = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  UniqueInternetHandle request(WinHttpOpenRequest(connection, L"GET", path.c_str(), nullptr,
                                                  WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                  flags));
  if (!request) {
    LogLastError("WinHttpOpenRequest");
    return {};
  }
  // The wait for the reply's headers has a limit of its own (90 s by
  // default) that WinHttpSetTimeouts does not touch.
  DWORD responseMs = static_cast<DWORD>(limits.operationMs);
  if (!WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseMs,
                        sizeof(responseMs))) {
    LogLastError("WinHttpSetOption receive response time-out");
  }
  if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA,
                          0, 0, 0)) {
    LogLastError("WinHttpSendRequest");
    return {};
  }
  if (!WinHttpReceiveResponse(request.get(), nullptr)) {
    LogLastError("WinHttpReceiveResponse");
    return {};
  }
  return request;
}

unsigned StatusOf(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
    LogLastError("WinHttpQueryHeaders");
  }
  return status;
}

void ReadBody(HINTERNET request, const HttpGetLimits& limits, Clock::time_point deadline,
              std::string& body) {
  char chunk[1024];
  DWORD read = 0;
  while (body.size() <= limits.maxBody) {
    if (Clock::now() > deadline) {
      DebugLog("Share: reply still arriving after %d ms\n", limits.totalMs);
      return;
    }
    if (!WinHttpReadData(request, chunk, sizeof(chunk), &read)) {
      LogLastError("WinHttpReadData");
      return;
    }
    if (read == 0) return;
    body.append(chunk, read);
  }
}

}  // namespace

HttpGetReply HttpGet(const std::string& url, const HttpGetLimits& limits) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(limits.totalMs);
  HttpGetReply reply;
  const std::wstring wideUrl = WideFromUtf8(url);
  // Lengths of -1: WinHttpCrackUrl points the parts into wideUrl.
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) {
    LogLastError("WinHttpCrackUrl");
    return reply;
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty() || path.front() != L'/') path.insert(0, L"/");  // "https://host?q"

  UniqueInternetHandle session = OpenSession();
  if (!session) return reply;
  const int ms = limits.operationMs;
  WinHttpSetTimeouts(session.get(), ms, ms, ms, ms);
  UniqueInternetHandle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) {
    LogLastError("WinHttpConnect");
    return reply;
  }
  UniqueInternetHandle request = SendRequest(connection.get(), parts, path, limits);
  if (!request) return reply;
  reply.answered = true;
  reply.status = StatusOf(request.get());
  ReadBody(request.get(), limits, deadline, reply.body);
  return reply;
}

}  // namespace brelfx
