#include "device/report_link.h"

#include "device/pause.h"
#include "device/zendrel_calls.h"

namespace brelfx {

int StatusPollPauseMs(int poll, int firstPauseMs) {
  if (poll <= 1) return firstPauseMs;
  if (poll == 2) return 1000;
  if (poll == 3) return 1500;
  return 2000;
}

bool ReportLink::PollStatus(int firstPauseMs) {
  for (int poll = 1; poll <= kMaxStatusPolls; ++poll) {
    if (!brelfx::Pause(clock_, workerCancel_, StatusPollPauseMs(poll, firstPauseMs))) return false;
    Report status;
    if (!ReadLocked(kControlReport, status)) return false;
    if (status[1] == kStatusDone) return true;
    if (status[1] != kStatusBusy) return false;
  }
  return false;  // busy for every poll
}

bool ReportLink::ReadLocked(const ReportSpec& spec, Report& out) {
  out = NewReport(spec);
  if (!GetFeature(api_, out.data(), spec.length)) return false;
  return !spec.checksummed || ChecksumMatches(out);
}

bool ReportLink::Write(Report report, int firstPauseMs) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!SetFeature(api_, report.data(), static_cast<int>(report.size()))) return false;
  return PollStatus(firstPauseMs);
}

bool ReportLink::RequestAndRead(int profile, std::uint8_t selector, const ReportSpec& spec,
                                Report& out, bool failIfCancelled) {
  std::lock_guard<std::mutex> lock(mutex_);
  Report request = NewReport(kControlReport);
  request[1] = static_cast<std::uint8_t>(profile);
  request[2] = selector;
  // Even when the request was not delivered the read is attempted; callers
  // check that the answer is for the profile they asked for.
  if (SetFeature(api_, request.data(), kControlReport.length)) PollStatus(kFirstPauseRequest);
  if (failIfCancelled && cancelled()) return false;
  return ReadLocked(spec, out);
}

bool ReportLink::Pause(int ms) {
  return brelfx::Pause(clock_, workerCancel_, ms);
}

bool ReportLink::Read(const ReportSpec& spec, Report& out) {
  std::lock_guard<std::mutex> lock(mutex_);
  return ReadLocked(spec, out);
}

}  // namespace brelfx
