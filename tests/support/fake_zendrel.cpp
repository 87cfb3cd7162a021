#include "tests/support/fake_zendrel.h"

#include <algorithm>
#include <map>
#include <cstdlib>
#include <cstring>

#include "device/report_ids.h"

namespace brelfx::test {
namespace {

FakeZendrel* live = nullptr;

}  // namespace

FakeZendrel::FakeZendrel() {
  if (live) std::abort();  // the entry points can reach only one fake
  live = this;
}

FakeZendrel::~FakeZendrel() {
  live = nullptr;
}

ZendrelApi FakeZendrel::Api() {
  ZendrelApi api;
  api.Open_DevMonitor = OpenDevMonitorEntry;
  api.Close_DevMonitor = CloseDevMonitorEntry;
  api.Open_FeatureDevice = OpenFeatureDeviceEntry;
  api.Close_FeatureDevice = CloseFeatureDeviceEntry;
  api.SetFeature = SetFeatureEntry;
  api.GetFeature = GetFeatureEntry;
  return api;
}

LibraryEntry FakeZendrel::Export(const std::string& name) {
  return ExportedEntry(Api(), name);
}

LibraryEntry ExportedEntry(const ZendrelApi& api, const std::string& name) {
  const std::map<std::string, LibraryEntry> exported = {
      {"Open_DevMonitor", reinterpret_cast<LibraryEntry>(api.Open_DevMonitor)},
      {"Close_DevMonitor", reinterpret_cast<LibraryEntry>(api.Close_DevMonitor)},
      {"Open_FeatureDevice", reinterpret_cast<LibraryEntry>(api.Open_FeatureDevice)},
      {"Close_FeatureDevice", reinterpret_cast<LibraryEntry>(api.Close_FeatureDevice)},
      {"SetFeature", reinterpret_cast<LibraryEntry>(api.SetFeature)},
      {"GetFeature", reinterpret_cast<LibraryEntry>(api.GetFeature)}};
  const auto found = exported.find(name);
  return found == exported.end() ? nullptr : found->second;
}

void FakeZendrel::ScriptStatus(std::initializer_list<std::uint8_t> statuses) {
  std::lock_guard<std::mutex> lock(mutex_);
  statuses_.insert(statuses_.end(), statuses);
}

void FakeZendrel::FailNextSets(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  failSets_ = count;
}

void FakeZendrel::FailNextGets(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  failGets_ = count;
}

void FakeZendrel::Answer(std::vector<std::uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uint8_t id = report.at(0);
  answers_[id] = std::move(report);
}

void FakeZendrel::SetKeyboardPresent(bool present) {
  std::lock_guard<std::mutex> lock(mutex_);
  keyboardPresent_ = present;
}

std::vector<std::vector<std::uint8_t>> FakeZendrel::sent() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sent_;
}

std::vector<std::uint8_t> FakeZendrel::readIds() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return readIds_;
}

std::vector<std::string> FakeZendrel::calls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

int FakeZendrel::statusPolls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return statusPolls_;
}

int FakeZendrel::interleavings() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return interleavings_;
}

void FakeZendrel::Note(const char* call) {
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back(call);
}

void FakeZendrel::CheckOwner() {
  if (open_ && owner_ != std::this_thread::get_id()) ++interleavings_;
}

int FakeZendrel::OnSet(unsigned char* buffer, int length) {
  std::this_thread::yield();  // give another thread the chance to cut in
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back("SetFeature");
  CheckOwner();
  if (failSets_ > 0) {
    --failSets_;
    return 0;
  }
  sent_.emplace_back(buffer, buffer + length);
  owner_ = std::this_thread::get_id();
  open_ = true;
  awaitingData_ = buffer[0] == kControlReport.id;
  return 1;
}

int FakeZendrel::OnGet(unsigned char* buffer, int length) {
  std::this_thread::yield();
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back("GetFeature");
  CheckOwner();
  const std::uint8_t id = buffer[0];
  readIds_.push_back(id);
  if (failGets_ > 0) {
    --failGets_;
    return 0;
  }
  if (id == kControlReport.id) {
    ++statusPolls_;
    std::uint8_t status = kStatusDone;
    if (!statuses_.empty()) {
      status = statuses_.front();
      statuses_.pop_front();
    }
    buffer[1] = status;
    if (status != kStatusBusy && !awaitingData_) open_ = false;
    return 1;
  }
  open_ = false;
  const auto answer = answers_.find(id);
  if (answer == answers_.end()) return 0;
  const std::size_t n =
      std::min<std::size_t>(answer->second.size(), static_cast<std::size_t>(length));
  std::memcpy(buffer + 1, answer->second.data() + 1, n - 1);
  return 1;
}

int FakeZendrel::OpenDevMonitorEntry(void*, unsigned int, unsigned int) {
  live->Note("Open_DevMonitor");
  return 1;
}
int FakeZendrel::CloseDevMonitorEntry() {
  live->Note("Close_DevMonitor");
  return 1;
}
int FakeZendrel::OpenFeatureDeviceEntry() {
  live->Note("Open_FeatureDevice");
  std::lock_guard<std::mutex> lock(live->mutex_);
  return live->keyboardPresent_ ? 1 : 0;
}
int FakeZendrel::CloseFeatureDeviceEntry() {
  live->Note("Close_FeatureDevice");
  return 1;
}
int FakeZendrel::SetFeatureEntry(unsigned char* buffer, int length) {
  return live->OnSet(buffer, length);
}
int FakeZendrel::GetFeatureEntry(unsigned char* buffer, int length) {
  return live->OnGet(buffer, length);
}

}  // namespace brelfx::test
