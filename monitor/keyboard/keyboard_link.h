// The monitor's link to the keyboard: the bound library, the worker flags
// every device job honours, and the transaction layer shared by the window
// thread and the worker thread.
#pragma once

#include "device/library_loader.h"
#include "device/report_link.h"
#include "device/zendrel_binding.h"
#include "monitor/keyboard/worker_flags.h"
#include "platform/clock.h"

namespace brelfx {

struct KeyboardLink {
  KeyboardLink(LibraryLoader& loader, Clock& clock)
      : binding(loader), reports(binding.api(), clock, workerFlags.cancel()) {}

  ZendrelBinding binding;
  WorkerFlags workerFlags;
  ReportLink reports;
};

}  // namespace brelfx
