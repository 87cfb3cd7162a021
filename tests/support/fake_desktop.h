// In-process stand-in for top-level windows and their messages: windows are
// registered by title with a handler; Send calls the handler at once, Post
// queues until DeliverPosted. Every message is logged in order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_messenger.h"

namespace brelfx::test {

class FakeDesktop final : public WindowMessenger {
 public:
  using Handler = std::function<std::intptr_t(unsigned int message, std::uintptr_t wParam,
                                              std::intptr_t lParam)>;

  struct Message {
    WindowId window;
    unsigned int message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool sent;  // true: SendMessage, false: PostMessage
  };

  WindowId AddWindow(const std::string& title, Handler handler);
  void RemoveWindow(WindowId window);
  // Hands queued posts to their windows (those still open); returns how many.
  int DeliverPosted();

  WindowId FindByTitle(const char* title) override;
  std::intptr_t Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool Post(WindowId window, unsigned int message, std::uintptr_t wParam,
            std::intptr_t lParam) override;

  std::vector<Message> log;

 private:
  struct Window {
    std::string title;
    Handler handler;
  };
  std::map<WindowId, Window> windows_;
  std::deque<Message> queue_;
  WindowId nextId_ = 0x100;
};

}  // namespace brelfx::test
