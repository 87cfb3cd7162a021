// Who this program is to the outside world: the version it shows and the
// support site its Update page links to. Kept together so a release changes
// one file.
#pragma once

#include "brelfx_version.h"

namespace brelfx {

// The release version as written in project(VERSION) ("1.08"): the support
// site's links carry it in that form.
constexpr char kProgramVersionText[] = BRELFX_VERSION_TEXT;

// The support site and the product's article code the support links carry.
constexpr char kSupportSiteAddress[] = "https://support.brelfx.com/";
constexpr char kProductArticleCode[] = "BFX-K710";

// The trophy service the Trovi page's "Share" asks when config.ini names no
// other ([Share] Url).
constexpr char kTrophyServiceAddress[] = "https://support.brelfx.com/trophy_share";

}  // namespace brelfx
