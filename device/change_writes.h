// The writes that bring applied changes to the keyboard, decided from the
// change area of the block (KeyChanged, UpdateFlags), in the order the
// keyboard takes them: profile select; key enables; the F-key, Zonix, media,
// thumb and macro key layers, each kind for profiles 0-4 before the next;
// illumination; Caps Lock; then the macros of changed macro keys, profile by
// profile and key by key.
#pragma once

#include <vector>

#include "device/report_frame.h"
#include "settings/settings_block.h"

namespace brelfx {

// Where the option application marks what changed.
constexpr int kUpdateKeyEnableFirst = 5;      // + profile slot
constexpr int kUpdateIlluminationFirst = 10;  // + profile slot
constexpr int kUpdateProfileSelect = 15;

struct ChangeWrite {
  Report report;
  int firstPauseMs;  // before its first status poll
  int pauseAfterMs;  // the keyboard's settling time before the next report
  bool macro;        // a macro report: the one write whose result counts
};

// A change flag counts only when it is exactly 1; the option application
// writes nothing else, and any other value is stray memory.
std::vector<ChangeWrite> PlanChangeWrites(const SettingsBlock& block);

// Every change flag set: planning then yields the whole configuration.
void MarkEverythingChanged(SettingsBlock& block);

// The reports that sending the whole configuration of the block writes, in
// order; the stamp that follows them is not among them.
std::vector<Report> WholeConfigurationReports(const SettingsBlock& block);

}  // namespace brelfx
