// brelfx-talk-hub: a stand-in for the Talk hub, the maker's program that
// links the device programs of one desktop. It lists itself in TConfig.ini,
// announces its window to every device program listed there (and to any that
// starts later and broadcasts "WM_TALK_MSG" 11), prints every status and
// Talk key packet they send it, and sends them verbs: a companion device, a
// command, an ambient-light effect. With a verb on the command line it runs
// that one and says goodbye; without, it runs the verbs read from stdin, one
// per line, and says goodbye at the end of the input or on Ctrl-C.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "monitor/monitor_messages.h"
#include "monitor/talk/talk_registration.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/win32/window.h"
#include "tools/talk_hub/hub_verbs.h"

namespace brelfx::talk_hub {
namespace {

constexpr char kHubTitle[] = "Tarvek Talk Hub";
constexpr char kClassName[] = "BrelFXTalkHubWindow";
constexpr UINT kVerbLine = WM_APP + 1;  // lines are queued: run them
constexpr UINT kAnswerMs = 2000;
constexpr std::uintptr_t kHubAnnounced = 6;
constexpr std::uintptr_t kHubLeaves = 7;

void Print(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string TalkFilePath() {
  char common[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, common);
  return JoinPath(TalkConfigFolder(common), kTalkConfigFileName);
}

TalkEntry HubEntry() {
  return {"TalkHub", kHubTitle, kHubTitle, 99};
}

// The open windows of the device programs TConfig.ini lists, other than ours.
std::vector<HWND> DeviceProgramWindows() {
  const std::string file = TalkFilePath();
  std::vector<char> names(32768);
  const DWORD length =
      GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), file.c_str());
  std::vector<HWND> windows;
  for (const char* section = names.data(); section < names.data() + length && *section;
       section += std::strlen(section) + 1) {
    char title[256] = "";
    GetPrivateProfileStringA(section, "WindowName", "", title, sizeof(title), file.c_str());
    if (std::string(title) == kHubTitle) continue;
    if (HWND window = FindWindowA(nullptr, title)) windows.push_back(window);
  }
  return windows;
}

class CTalkHubWnd final : public Window {
 public:
  CTalkHubWnd()
      : Window(Reflection::kNone),
        talkMessage_(RegisterWindowMessageA(kTalkMessage)),
        ambientMessage_(RegisterWindowMessageA(kTalkAmbientLightMessage)) {}
  ~CTalkHubWnd() override { DestroyWindowNow(); }

  bool Create() {
    RegisterWindowClass(kClassName);
    // A hidden top-level window: broadcasts reach it, programs find it by title.
    return CreateWindowObject(WS_EX_TOOLWINDOW, kClassName, kHubTitle, WS_POPUP, RECT{0, 0, 1, 1},
                              nullptr, nullptr) != nullptr;
  }

  // Announces the hub to every listed device program with an open window.
  int AnnounceToAll() {
    for (HWND program : DeviceProgramWindows()) Announce(program);
    return static_cast<int>(programs_.size());
  }

  bool Run(const Verb& verb) {
    if (const auto* bad = std::get_if<BadVerb>(&verb)) {
      Print("error: " + bad->error);
      return false;
    }
    bool done = !programs_.empty();
    for (HWND program : programs_) done = RunFor(program, verb) && done;
    if (programs_.empty()) Print("error: no device program has been announced to");
    return done;
  }

  // From the stdin reader's thread.
  void QueueLine(std::string line) {
    {
      std::lock_guard lock(linesMutex_);
      lines_.push_back(std::move(line));
    }
    PostMessageA(hwnd(), kVerbLine, 0, 0);
  }

  void SayGoodbye() {
    for (HWND program : programs_) Send(program, WM_TALK_STATUS, kHubLeaves, 0);
    programs_.clear();
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      case kVerbLine:
        return OnVerbLines();
      case WM_CLOSE:
        DestroyWindow(hwnd());
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        if (message == talkMessage_ && wParam == kTalkMonitorStarted) {
          Announce(reinterpret_cast<HWND>(lParam));
          return 0;
        }
        return Default(message, wParam, lParam);
    }
  }

 private:
  LRESULT OnCopyData(const COPYDATASTRUCT* data) {
    if (data == nullptr) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data->lpData);
    Print(DescribeCopyData(data->dwData, {bytes, bytes ? data->cbData : 0}));
    return 1;
  }

  // The lines wait in this process: another program that posts this message
  // number finds nothing to run.
  LRESULT OnVerbLines() {
    for (;;) {
      std::string line;
      {
        std::lock_guard lock(linesMutex_);
        if (lines_.empty()) return 0;
        line = std::move(lines_.front());
        lines_.pop_front();
      }
      RunLine(line);
    }
  }

  void RunLine(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) return;
    if (words[0] == "quit") {
      PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return;
    }
    if (Run(ParseVerb(words))) Print("done: " + words[0]);
  }

  void Announce(HWND program) {
    if (program == nullptr || program == hwnd()) return;
    for (HWND known : programs_)
      if (known == program) return;
    programs_.push_back(program);
    char line[64];
    std::snprintf(line, sizeof(line), "announced to window 0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(program)));
    Print(line);
    Send(program, WM_TALK_STATUS, kHubAnnounced, reinterpret_cast<LPARAM>(hwnd()));
  }

  bool RunFor(HWND program, const Verb& verb) {
    if (const auto* device = std::get_if<DeviceVerb>(&verb))
      return SendCopyData(program, &device->record, sizeof(device->record));
    if (const auto* command = std::get_if<CommandVerb>(&verb))
      return Send(program, WM_TALK_STATUS, command->command, static_cast<LPARAM>(command->argument));
    const auto& ambient = std::get<AmbientVerb>(verb);
    return SendCopyData(program, &ambient.record, sizeof(ambient.record)) &&
           Send(program, ambientMessage_, 0, 0);
  }

  // The program may hang or be gone: no send waits long. The hub's own
  // thread goes on taking what the program sends back meanwhile.
  bool Send(HWND program, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(program, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs,
                            &answer))
      return true;
    Print("error: the device program did not answer");
    return false;
  }

  bool SendCopyData(HWND program, const void* record, DWORD size) {
    COPYDATASTRUCT data{0, size, const_cast<void*>(record)};
    return Send(program, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd()),
                reinterpret_cast<LPARAM>(&data));
  }

  UINT talkMessage_;
  UINT ambientMessage_;
  std::vector<HWND> programs_;
  std::mutex linesMutex_;
  std::deque<std::string> lines_;
};

HWND g_window = nullptr;

BOOL WINAPI OnConsoleControl(DWORD) {
  PostMessageA(g_window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Lines of stdin become verbs on the window's thread; the end of the input
// closes the window.
void ReadVerbLines(CTalkHubWnd* hub) {
  char line[1024];
  while (std::fgets(line, sizeof(line), stdin)) hub->QueueLine(line);
  PostMessageA(hub->hwnd(), WM_CLOSE, 0, 0);
}

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG message;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

int Main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  const bool oneShot = !words.empty();
  const Verb verb = oneShot ? ParseVerb(words) : Verb{BadVerb{}};
  if (oneShot && std::holds_alternative<BadVerb>(verb)) {
    std::fprintf(stderr, "brelfx-talk-hub: %s\n%s", std::get<BadVerb>(verb).error.c_str(), kUsage);
    return 2;
  }
  std::string folder = TalkFilePath();
  folder.resize(folder.size() - std::strlen(kTalkConfigFileName));
  if (!RegisterInTalkFile(SystemFileSystem(), folder, HubEntry()))
    Print("error: cannot list the hub in " + folder + kTalkConfigFileName);

  CTalkHubWnd hub;
  if (!hub.Create()) {
    std::fprintf(stderr, "brelfx-talk-hub: cannot create the hub's window\n");
    return 1;
  }
  if (hub.AnnounceToAll() == 0) Print("waiting for a device program");

  if (oneShot) {
    PumpFor(200);  // the status the program answers with
    const bool done = hub.Run(verb);
    PumpFor(200);
    hub.SayGoodbye();
    return done ? 0 : 1;
  }
  g_window = hub.hwnd();
  SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
  // Detached: it may sit in a read when the hub ends; the process ends it.
  std::thread(ReadVerbLines, &hub).detach();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  hub.SayGoodbye();
  return 0;
}

}  // namespace
}  // namespace brelfx::talk_hub

int main(int argc, char** argv) {
  return brelfx::talk_hub::Main(argc, argv);
}
