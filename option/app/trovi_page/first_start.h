// RunsStart.ini in the program folder: [StartTime] Year, Month, Day, Hour,
// Minute of the first start, the origin of the Trovi page's averages.
#pragma once

#include <string>

#include "option/app/trovi_page/elapsed_time.h"
#include "platform/file_system.h"

namespace brelfx {

// The first start as stored. A key the file lacks reads as that field of
// `now`; a file without a start time gets `now` written as the first start,
// so the averages count from the first time they are shown rather than from
// a date nobody chose.
LocalDateTime ReadFirstStart(FileSystem& fs, const std::string& programFolder,
                             const LocalDateTime& now);

}  // namespace brelfx
