// Sharing a trophy against a stand-in trophy service on 127.0.0.1
// (trophy_share_server.py runs this program and says where it listens). The
// shell that would open the reply in a browser is a recording fake.
// winsock2.h before windows.h: the adapter list needs its types.
#include <winsock2.h>
// after winsock2.h
#include <windows.h>
// after windows.h, which they need
#include <gtest/gtest.h>
#include <iphlpapi.h>
#include <rpc.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <sstream>
#include <vector>

#include "option/app/trovi_page/share/install_id.h"
#include "option/win32/trovi_page/share/share_with_shell.h"
#include "platform/win32/wide_text.h"
#include "settings/ini_file.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

constexpr UINT kShareDone = WM_APP + 21;

class RecordingShell final : public ProgramShell {
 public:
  bool Open(const std::string& path, const std::string& parameters) override {
    std::lock_guard lock(mutex_);
    opened_.push_back(path + parameters);
    return true;
  }
  bool BringToFront(WindowId) override { return false; }
  bool Run(const std::string&) override { return false; }
  std::vector<std::string> Opened() {
    std::lock_guard lock(mutex_);
    return opened_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> opened_;
};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Hex(const BYTE* bytes, std::size_t count) {
  std::string hex;
  char digits[3];
  for (std::size_t i = 0; i < count; ++i) {
    wsprintfA(digits, "%02x", bytes[i]);
    hex += digits;
  }
  return hex;
}

// The hardware addresses this computer reports, as lower-case hex: every
// adapter's, and the one a sequential UUID carries.
std::vector<std::string> HardwareAddresses() {
  std::vector<std::string> addresses;
  ULONG size = 64 * 1024;
  std::vector<BYTE> buffer(size);
  auto* adapters = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
  if (GetAdaptersAddresses(AF_UNSPEC, 0, nullptr, adapters, &size) == NO_ERROR) {
    for (auto* a = adapters; a; a = a->Next) {
      if (a->PhysicalAddressLength >= 6) {
        addresses.push_back(Hex(a->PhysicalAddress, a->PhysicalAddressLength));
      }
    }
  }
  UUID uuid;
  if (UuidCreateSequential(&uuid) == RPC_S_OK) addresses.push_back(Hex(uuid.Data4 + 2, 6));
  return addresses;
}

class TrophyShareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(server_.empty()) << "run through trophy_share_server.py";
    window_ = CreateWindowExW(0, L"STATIC", L"share test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  bool Start(int trophy, const std::string& servicePath) {
    config_.WriteString("Share", "Url", server_ + servicePath);
    return StartTrophyShare(window_, kShareDone, trophy, WideFromUtf8(config_.path()), shell_);
  }

  // Pumps messages until the share's done message; nothing after 20 s.
  std::optional<ShareResult> WaitForResult() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.hwnd == window_ && msg.message == kShareDone) {
          return static_cast<ShareResult>(msg.wParam);
        }
        DispatchMessageW(&msg);
      }
    }
    return std::nullopt;
  }

  std::optional<ShareResult> Share(int trophy, const std::string& servicePath) {
    if (!Start(trophy, servicePath)) return std::nullopt;
    return WaitForResult();
  }

  std::vector<std::string> Requests() {
    std::istringstream log(test::ReadFileText(Environment("BRELFX_SHARE_LOG")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  std::string server_ = Environment("BRELFX_SHARE_SERVER");
  test::TempFolder folder_;
  IniFile config_{folder_.Join("config.ini")};
  RecordingShell shell_;
  HWND window_ = nullptr;
};

TEST_F(TrophyShareTest, OpensTheServicesAddressAndSendsTheInstallIdNotTheHardware) {
  EXPECT_EQ(Share(3, "/valid"), ShareResult::kOpened);
  EXPECT_EQ(Share(15, "/valid"), ShareResult::kOpened);
  EXPECT_EQ(shell_.Opened(), (std::vector<std::string>{"https://share.example/trophy/17",
                                                       "https://share.example/trophy/29"}));

  const std::string id = config_.ReadString("Share", "InstallId", "");
  ASSERT_TRUE(IsInstallId(id)) << id;
  const auto requests = Requests();
  ASSERT_GE(requests.size(), 2u);
  const auto first = requests[requests.size() - 2];
  const auto second = requests.back();
  EXPECT_NE(first.find("GET /valid?product=BFX-K710&trophy=17&install=" + id + " "),
            std::string::npos)
      << first;
  EXPECT_NE(second.find("&trophy=29&install=" + id + " "), std::string::npos) << second;

  const auto addresses = HardwareAddresses();
  EXPECT_FALSE(addresses.empty());
  for (const std::string& request : {first, second}) {
    std::string digits = Lower(request);
    digits.erase(
        std::remove_if(digits.begin(), digits.end(), [](char c) { return c == ':' || c == '-'; }),
        digits.end());
    for (const std::string& address : addresses) {
      EXPECT_EQ(digits.find(address), std::string::npos) << address << " in " << request;
    }
  }
}

TEST_F(TrophyShareTest, AReplyThatIsNoWebAddressOrAnHttpErrorIsNotOpened) {
  EXPECT_EQ(Share(0, "/program"), ShareResult::kRefusedReply);
  EXPECT_EQ(Share(0, "/error"), ShareResult::kFailed);
  EXPECT_TRUE(shell_.Opened().empty());
}

TEST_F(TrophyShareTest, AServiceThatNeverAnswersFailsWithinTheTimeOutAndOneShareRunsAtATime) {
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Start(1, "/silent"));
  EXPECT_FALSE(StartTrophyShare(window_, kShareDone, 2, WideFromUtf8(config_.path()), shell_));
  EXPECT_EQ(WaitForResult(), ShareResult::kFailed);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 9.0);
  EXPECT_EQ(Share(4, "/valid"), ShareResult::kOpened);
}

}  // namespace
}  // namespace brelfx
