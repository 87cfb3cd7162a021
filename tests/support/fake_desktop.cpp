#include "tests/support/fake_desktop.h"

#include <utility>

namespace brelfx::test {

WindowId FakeDesktop::AddWindow(const std::string& title, Handler handler) {
  const WindowId id = nextId_++;
  windows_[id] = Window{title, std::move(handler)};
  return id;
}

void FakeDesktop::RemoveWindow(WindowId window) {
  windows_.erase(window);
}

int FakeDesktop::DeliverPosted() {
  int delivered = 0;
  while (!queue_.empty()) {
    const Message m = queue_.front();
    queue_.pop_front();
    auto found = windows_.find(m.window);
    if (found == windows_.end()) continue;
    found->second.handler(m.message, m.wParam, m.lParam);
    ++delivered;
  }
  return delivered;
}

WindowId FakeDesktop::FindByTitle(const char* title) {
  for (const auto& [id, window] : windows_)
    if (window.title == title) return id;
  return 0;
}

std::intptr_t FakeDesktop::Send(WindowId window, unsigned int message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  log.push_back({window, message, wParam, lParam, true});
  auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.handler(message, wParam, lParam);
}

bool FakeDesktop::Post(WindowId window, unsigned int message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  if (windows_.count(window) == 0) return false;
  log.push_back({window, message, wParam, lParam, false});
  queue_.push_back({window, message, wParam, lParam, false});
  return true;
}

}  // namespace brelfx::test
