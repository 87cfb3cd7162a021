// One bounded HTTP(S) GET through WinHTTP, the system's own client: the
// system's TLS, certificate store and proxy settings apply.
#pragma once

#include <cstddef>
#include <string>

namespace brelfx {

struct HttpGetLimits {
  int operationMs;      // resolve, connect, send and each receive
  int totalMs;          // the whole request; checked between steps
  std::size_t maxBody;  // bytes kept; reading stops once more arrived
};

struct HttpGetReply {
  bool answered = false;  // a status line arrived
  unsigned status = 0;
  std::string body;  // at most maxBody + one read's worth when cut short
};

HttpGetReply HttpGet(const std::string& url, const HttpGetLimits& limits);

}  // namespace brelfx
