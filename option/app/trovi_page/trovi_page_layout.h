// The Trovi page's controls and the places it draws into, in page
// coordinates (the page is 774 x 312 at the main window's page position).
#pragma once

#include "settings/info_record.h"

namespace brelfx::trovi_page {

constexpr const char kPreviousMode[] = "BUTTON_PreStat,12,12,20,20,";
constexpr const char kNextMode[] = "BUTTON_NextStat,220,12,20,20,";
constexpr const char kPreviousTrophy[] = "BUTTON_PreTrophy,264,131,36,36,";
constexpr const char kNextTrophy[] = "BUTTON_NextTrophy,473,131,36,36,";
constexpr const char kShare[] = "BUTTON_ShareTrophy,320,277,233,22,";
constexpr const char kReset[] = "BUTTON_TrophyReset,666,277,91,22,";
// The level banner, where the level's animation plays, and the strip with
// the level and unlocked counts.
constexpr const char kLevelBanner[] = "Progress bar,537,34,220,34,";
constexpr const char kLevelStrip[] = "Progress bar,540,70,230,20,";
// The scroll strip beside the statistics list.
constexpr const char kListScroll[] = "Trophy Scroll,225,39,15,259,";

// The OK button of the share notices (their close button is the
// confirmations' "BUTTON_EXIT,274,3,26,22,").
constexpr const char kNoticeOk[] = "BUTTON_OK,127,200,56,24,";

// Rectangles of the picture controls.
constexpr const char kTrophyPicture[] = "Trophy picture,302,62,171,197,";
constexpr const char kTrophyText[] = "Trophy text,521,107,253,151,";
constexpr const char kModeTitle[] = "Statistics title,39,0,173,39,";

// The statistics list: a picture of 205 x kListHeight with the labels,
// seen through a window of 205 x kListViewHeight at (13, 40).
constexpr int kListLeft = 13, kListTop = 40;
constexpr int kListWidth = 205, kListViewHeight = 257, kListHeight = 542;
constexpr int kListRowStep = 25, kLastListRow = 285;

// Texts drawn by the page.
constexpr int kTrophyNumberX = 372, kTrophyNumberY = 44;
// "Level: n" starts at kLevelX; "Unlocked: n/16" ends at kUnlockedRight,
// inside the right edge of kLevelStrip.
constexpr int kLevelX = 537, kUnlockedRight = 764, kLevelY = 73;

constexpr int kLockedPicture = 16;  // the picture and text of a locked trophy
constexpr int kModeCount = 3;

}  // namespace brelfx::trovi_page
