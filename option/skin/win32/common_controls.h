// The system's common controls (the tooltips of skinned buttons), enabled at
// their first use instead of being imported: under Wine, loading that library
// and registering its classes is the largest part of a program's start after
// the process itself, and a skinned window needs none of it to draw.
#pragma once

namespace brelfx {

// Loads the common controls library once and registers its standard and
// Win95 classes; later calls only return the first one's result. False when
// the library is missing: the caller goes on without the control.
bool EnableCommonControls();

}  // namespace brelfx
