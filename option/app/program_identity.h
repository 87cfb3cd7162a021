// Who this program is to the outside world: the version it shows and the
// support site its Update page links to. Kept together so a release changes
// one file.
#pragma once

namespace brelfx {

constexpr char kProgramVersionText[] = "1.08";

// The support site and the product's article code the support links carry.
constexpr char kSupportSiteAddress[] = "https://support.brelfx.com/";
constexpr char kProductArticleCode[] = "BFX-K710";

}  // namespace brelfx
