// Not a test: how long a key's function menu takes from the click on its
// button to the painted menu, run by hand under Wine
// (scripts/function-menu-bench.sh). The lists are as full as they get: 100
// macro sets of 100 macros, 50 timers and 20 companion devices, made in
// memory here so no file on the machine decides what is timed.
//   function-menu-bench.exe [COUNT]
// A click is real mouse input on the button; the menu counts as painted when
// its modal loop first goes idle (WM_ENTERIDLE reaches the owner only once
// the menu's paint is done). Prints every round and the median.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "option/app/key_pages/function_menu.h"
#include "option/skin/drop_down_guard.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_button.h"
#include "option/win32/key_pages/skin_menu_tree.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

using Clock = std::chrono::steady_clock;

std::atomic<long long> clickedAt{0}, paintedAt{0};

long long Now() { return Clock::now().time_since_epoch().count(); }

MacroLibrary FullLibrary() {
  MacroLibrary library(100);
  for (int s = 0; s < 100; ++s) {
    library[s].name = "Macro set " + std::to_string(s + 1);
    library[s].macros.resize(100);
    for (int m = 0; m < 100; ++m) {
      MacroRecord& macro = library[s].macros[m];
      SetTextField(macro.Name, "Macro " + std::to_string(m + 1));
      macro.Loop = 1;
    }
  }
  return library;
}

class BenchWindow final : public Window {
 public:
  BenchWindow() : macros_(FullLibrary()), devices_(std::make_unique<CompanionDeviceList>()) {
    for (int t = 0; t < 50; ++t) {
      TimerRecord timer{};
      timer.seconds = 60 + t;
      SetTextField(timer.name, "Timer " + std::to_string(t + 1));
      timers_.push_back(timer);
    }
    devices_->Count = 20;
    for (int d = 0; d < 20; ++d) {
      SetTextField(devices_->Devices[d].Name, "Mouse " + std::to_string(d + 1));
      devices_->Devices[d].PID = static_cast<std::uint16_t>(0x1000 + d);
      for (int s = 0; s < kCpiSteps; ++s) devices_->Devices[d].CPI[s] = 400 * (s + 1);
    }
    key_.FunctionCode = kFnMacro;
    SetTextField(key_.MacroSetName, "Macro set 50");
    SetTextField(key_.MacroName, "Macro 50");
  }

  bool Create() {
    if (!RegisterWindowClass("BrelFX.MenuBench")) return false;
    if (!CreateWindowObject(0, "BrelFX.MenuBench", "menu bench", WS_POPUP | WS_VISIBLE,
                            RECT{100, 100, 400, 200}, nullptr, nullptr))
      return false;
    font_ = CreateSkinFont("Arial", 14, 5);
    return button_.Create(hwnd(), RECT{10, 10, 150, 28});
  }

  POINT ButtonCentre() const {
    RECT rect;
    GetWindowRect(button_.hwnd(), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && lParam) {
      // M1 on the Main page: the biggest tree there is.
      TrackMenuTree(font_.get(), BuildFunctionMenu(KeyPageKind::kMain, 2, key_, {macros_, timers_, *devices_}),
                    button_, hwnd(), guard_);
      return 0;
    }
    if (message == WM_INITMENUPOPUP) {
      SkinMenuTree::OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    }
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
      if (paintedAt == 0) paintedAt = Now();
      EndMenu();
      return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  MacroLibrary macros_;
  TimerList timers_;
  std::unique_ptr<CompanionDeviceList> devices_;
  KeyAssignment key_{};
  CSkinButton button_;
  UniqueFont font_;
  DropDownGuard guard_;
};

void ClickRounds(HWND window, POINT at, int count, std::vector<double>& results) {
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  for (int round = 0; round < count; ++round) {
    SetCursorPos(at.x, at.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    paintedAt = 0;
    clickedAt = Now();
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    for (int wait = 0; wait < 500 && paintedAt == 0; ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (paintedAt == 0) {
      std::printf("round %2d: no menu\n", round + 1);
    } else {
      const double ms =
          std::chrono::duration<double, std::milli>(Clock::duration(paintedAt - clickedAt)).count();
      results.push_back(ms);
      std::printf("round %2d: %.1f ms\n", round + 1, ms);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace brelfx

int main(int argc, char** argv) {
  using namespace brelfx;
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  BenchWindow window;
  if (!window.Create()) return 1;
  std::vector<double> results;
  std::thread clicks(ClickRounds, window.hwnd(), window.ButtonCentre(), count, std::ref(results));
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  clicks.join();
  if (results.empty()) return 1;
  std::sort(results.begin(), results.end());
  std::printf("median of %zu opens: %.1f ms (min %.1f, max %.1f)\n", results.size(),
              results[results.size() / 2], results.front(), results.back());
  return 0;
}
