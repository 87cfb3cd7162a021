#include "monitor/achievements/achievements.h"

#include <cstring>
#include <memory>

#include "monitor/achievements/trophy_rules.h"
#include "monitor/current_profile.h"
#include "monitor/sound/sound_table.h"
#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

void Achievements::OnCounterEvent(std::uint16_t type, std::uint16_t amount) {
  SettingsBlock& local = settings_.local();
  InfoRecord record = ReadInfoRecord(local.InfoData);
  const bool counted = AddToCounter(record, type & 0xFF, amount);
  const TrophyUnlocks unlocks = EvaluateTrophies(record);
  WriteInfoRecord(record, local.InfoData);

  if (unlocks.any) PlayTrophySound(unlocks.everyTrophy);
  // An event for no counter may still unlock a trophy a large jump left
  // pending; it is stored too, so the unlock (and its sound) is not lost
  // when the monitor ends before the next counter event.
  if (counted || unlocks.any) Store();
}

void Achievements::PlayTrophySound(bool everyTrophy) {
  const ProfileRecord* profile = CurrentProfile(settings_.local());
  if (profile == nullptr || profile->SoundTrophy != 1) return;
  announcer_.PlayTrophySound(everyTrophy ? kSoundEveryTrophy : kSoundTrophy);
}

void Achievements::Store() {
  if (!settings_.Publish()) DebugLog("Achievements: the shared block could not be written\n");
  if (!store_.WriteInfoData(settings_.local().InfoData)) {
    DebugLog("Achievements: InfoData could not be written to config.ini\n");
  }
  settings_.NotifyOption(WM_COUNTERS_CHANGED);
}

// The option application publishes its own copy of the whole block, which
// may lag behind the monitor's (a profile switched on the keyboard, a trophy
// unlocked since its last refresh): only the counters are taken from it. A
// trophy the monitor holds stays unlocked; when the option application's
// record lacked one, the kept record is handed back to it.
void Achievements::OnStatisticsChanged() {
  auto shared = std::make_unique<SettingsBlock>();
  if (!settings_.ReadShared(*shared)) {
    DebugLog("OnStatisticsChanged: the shared block could not be read\n");
    return;
  }
  const InfoRecord reset = ReadInfoRecord(shared->InfoData);
  InfoRecord record = ReadInfoRecord(settings_.local().InfoData);
  for (int i = 0; i < kCounterCount; ++i) record.Counters[i] = reset.Counters[i];
  for (int i = 0; i < kTrophyCount; ++i) {
    if (reset.Trophies[i] == 1) record.Trophies[i] = 1;
  }
  if (record.LastTrophy == 0) record.LastTrophy = reset.LastTrophy;
  WriteInfoRecord(record, settings_.local().InfoData);
  if (std::memcmp(&record, &reset, sizeof(record)) != 0) Store();
}

}  // namespace brelfx
