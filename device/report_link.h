// The transaction layer over SetFeature/GetFeature: writes confirmed by
// polling the keyboard's status, read requests and checksummed reads.
//
// The window thread and the device worker both talk to the keyboard; the
// keyboard answers a read with whatever the last request selected and a status
// poll with the state of the last write, so a request and its read, and a write
// and its polls, run under one lock and never interleave with another
// transaction.
#pragma once

#include <atomic>
#include <mutex>

#include "device/report_frame.h"
#include "device/zendrel_api.h"
#include "platform/clock.h"

namespace brelfx {

// Pause before status poll n (1-based) of a write whose first pause is given.
int StatusPollPauseMs(int poll, int firstPauseMs);
constexpr int kMaxStatusPolls = 10;

class ReportLink {
 public:
  // workerCancel: set by the monitor to stop a running device job; every
  // pause and poll ends at once with failure while it is set.
  ReportLink(const ZendrelApi& api, Clock& clock, const std::atomic<int>& workerCancel)
      : api_(api), clock_(clock), workerCancel_(workerCancel) {}

  // SetFeature, then poll the status until done; a failed SetFeature fails at
  // once without polling.
  bool Write(Report report, int firstPauseMs);

  // Request(profile, selector) — its poll's result is not used — then Read.
  // With failIfCancelled the read is not attempted when worker cancel was set
  // meanwhile.
  bool RequestAndRead(int profile, std::uint8_t selector, const ReportSpec& spec, Report& out,
                      bool failIfCancelled = false);

  // A read that needs no request. `out` becomes a zeroed buffer of the
  // report's length filled by the keyboard; success needs a delivered report
  // and, where the report has one, a matching checksum.
  bool Read(const ReportSpec& spec, Report& out);

  // The cancellable pause between the steps of a device job; false when
  // worker cancel is set at its end (or cut it short).
  bool Pause(int ms);

  Clock& clock() { return clock_; }
  bool cancelled() const { return workerCancel_.load() != 0; }

 private:
  bool PollStatus(int firstPauseMs);
  bool ReadLocked(const ReportSpec& spec, Report& out);

  const ZendrelApi& api_;
  Clock& clock_;
  const std::atomic<int>& workerCancel_;
  std::mutex mutex_;
};

}  // namespace brelfx
