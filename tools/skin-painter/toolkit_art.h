// The toolkit's own pictures: hand cursor, submenu arrow, slider thumbs,
// colour spectrum and its marker.
#pragma once

#include <string>

namespace brelfx::painter {

// Writes hand.cur, submenu_arrow.ico, slider_thumb.bmp, slider_thumb_small.bmp,
// color_spectrum.bmp and color_marker.bmp into `folder`.
bool WriteToolkitArt(const std::string& folder);

}  // namespace brelfx::painter
