// Every report the monitor sends to or reads from the keyboard, as one call
// each over the transaction layer. A failed read leaves the block as it was.
// Profile slots must be 0-4 and key indices 0-57; anything else fails without
// touching the keyboard.
#pragma once

#include <functional>
#include <optional>

#include "device/keyboard_state_reports.h"
#include "device/report_ids.h"
#include "device/report_link.h"
#include "settings/settings_block.h"

namespace brelfx {

bool SendKeyLayer(ReportLink& link, const KeyLayer& layer, const SettingsBlock& block, int slot);
bool ReadKeyLayer(ReportLink& link, const KeyLayer& layer, int slot, SettingsBlock& block);

bool SendCapsLock(ReportLink& link, const SettingsBlock& block, int slot);
bool ReadCapsLock(ReportLink& link, int slot, SettingsBlock& block);

// The macro write's result is the status poll's: it is the one settings write
// whose failure the change sequence acts on. The read fails at once when
// worker cancel is set between its request and the read.
bool SendMacro(ReportLink& link, const SettingsBlock& block, int slot, int key);
bool ReadMacro(ReportLink& link, int slot, int key, SettingsBlock& block);

bool SendKeyEnable(ReportLink& link, const SettingsBlock& block, int slot);
bool ReadKeyEnable(ReportLink& link, int slot, SettingsBlock& block);

bool SendIllumination(ReportLink& link, const SettingsBlock& block, int slot);
bool ReadIllumination(ReportLink& link, int slot, SettingsBlock& block);

bool SendProfileSelect(ReportLink& link, const SettingsBlock& block);
bool ReadProfileSelect(ReportLink& link, SettingsBlock& block);

// Both version bytes, or nothing when the read failed.
std::optional<FirmwareVersions> ReadVersionReport(ReportLink& link);

// Where the monitor keeps the firmware version (FWVersion in config.ini).
using StoreFwVersion = std::function<void(int fwVersion)>;

// The keyboard's firmware version, 0 when the read failed; stored through
// `store` after every read, successful or not.
int ReadFirmwareVersion(ReportLink& link, const StoreFwVersion& store);

bool SendDefaultsCommand(ReportLink& link);

bool SendStamp(ReportLink& link, const SettingsStamp& stamp);
std::optional<SettingsStamp> ReadStamp(ReportLink& link);

// Sleeps 100 ms first (not cut short by worker cancel), then writes.
bool SendHostState(ReportLink& link, const SettingsBlock& block, std::uint8_t requested);

bool SendTalkState(ReportLink& link, std::uint8_t first, std::uint8_t second);
bool SendAmbientLight(ReportLink& link, const AmbientLightRecord& record);
bool SendAmbientLightOff(ReportLink& link);

}  // namespace brelfx
