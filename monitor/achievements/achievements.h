// The usage counters the keyboard reports and the trophies they unlock: adds
// each counter event to the local settings, plays the trophy sound, and
// hands the record to the shared block, config.ini and the option window.
// Also takes a record the option application reset.
#pragma once

#include "monitor/achievements/info_data_store.h"
#include "monitor/monitor_features.h"
#include "monitor/sound/announcer.h"
#include "settings/monitor_settings_link.h"

namespace brelfx {

class Achievements final : public UsageCounters {
 public:
  Achievements(MonitorSettingsLink& settings, InfoDataStore& store, Announcer& announcer)
      : settings_(settings), store_(store), announcer_(announcer) {}

  // Event types 0xFA00-0xFAFF: counter number in the low byte of the type,
  // amount in the value.
  void OnCounterEvent(std::uint16_t type, std::uint16_t amount) override;
  // WM_INFODATA_CHANGED.
  void OnStatisticsChanged() override;

 private:
  void PlayTrophySound(bool everyTrophy);
  void Store();

  MonitorSettingsLink& settings_;
  InfoDataStore& store_;
  Announcer& announcer_;
};

}  // namespace brelfx
