// Where the Update page's window code writes its texts; the page's pictures
// (assets/skins/option_update_page.skin) leave these places free and caption
// them. The version texts go into wells, the links onto the plain panel.
#pragma once

namespace brelfx::update_page {

inline constexpr const char* kProgramVersion = "Program version,210,78,140,18,";
inline constexpr const char* kFirmwareVersion = "Firmware version,210,110,140,18,";
inline constexpr const char* kDriverLink = "Driver link,408,92,348,18,Open the driver downloads";
inline constexpr const char* kHelpLink = "Help link,408,148,348,18,Open the help pages";

}  // namespace brelfx::update_page
