// Command ids of the event list's context menu.
#pragma once

namespace brelfx {

inline constexpr unsigned kMenuRecordBefore = 1001;
inline constexpr unsigned kMenuRecordAfter = 1002;
inline constexpr unsigned kMenuInsertDelay = 1003;
inline constexpr unsigned kMenuEditDelay = 1004;
inline constexpr unsigned kMenuDelete = 1005;
// Left, right and wheel button, each Down, Up, Click: 1020-1028.
inline constexpr unsigned kMenuMouseFirst = 1020;
inline constexpr unsigned kMenuMouseLast = 1028;

}  // namespace brelfx
