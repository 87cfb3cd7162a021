#include "sim/settings_reports.h"

#include <cstring>

#include "sim/factory_profiles.h"

namespace brelfx::sim {
namespace {

constexpr std::uint8_t kMacroFunction = 0xBE;
constexpr std::uint8_t kHostOnlyStandardMarker = 0xEF;  // never a device code
constexpr std::uint8_t kLeaveTalkStateUnchanged = 255;
constexpr std::uint8_t kDefaultsCommandBytes[3] = {kDefaultsCommand, 0x03, 0x04};
constexpr int kMacroHeader = 4;  // report bytes before the stored macro

bool IsProfile(std::uint8_t p) {
  return p < kProfileCount;
}

bool ValidSelector(std::uint8_t selector) {
  return ReportForSelector(selector) != 0;
}

// A report whose byte 1 is its own size and byte 2 a profile.
bool ProfileFrameOk(const ReportFormat& format, const std::uint8_t* r) {
  return r[1] == format.size && IsProfile(r[2]);
}

std::uint8_t Verdict(bool ok) {
  return ok ? kStatusDone : kStatusFailure;
}

std::uint8_t ReceiveKeyLayer(SimKeyboardState& state, const KeyLayer& layer,
                             const ReportFormat& format, const std::uint8_t* r) {
  const int n = layer.keyCount;
  if (!ProfileFrameOk(format, r)) return kStatusFailure;
  const std::uint8_t* codes = r + 3;
  if (std::memchr(codes, kHostOnlyStandardMarker, n)) return kStatusFailure;
  SimProfile& profile = state.Profiles[r[2]];
  std::memcpy(profile.KeyCodes + layer.firstKey, codes, n);
  std::memcpy(profile.Modifiers + layer.firstKey, r + 3 + n, n);
  std::memcpy(profile.Usages + layer.firstKey, r + 3 + 2 * n, n);
  return kStatusDone;
}

std::uint8_t ReceiveMacro(SimKeyboardState& state, const std::uint8_t* r) {
  const std::uint8_t profile = r[3];
  const std::uint8_t key = r[4];
  SimMacro macro;
  std::memcpy(&macro, r + kMacroHeader, sizeof(macro));
  const bool ok = ReadU16(r + 1) == kMaxReportSize && IsProfile(profile) && key < kMacroKeyCount &&
                  macro.FunctionCode == kMacroFunction && macro.ActionCount <= kMaxMacroActions;
  if (ok) state.Profiles[profile].Macros[key] = macro;
  return Verdict(ok);
}

std::uint8_t ReceiveRequest(SimKeyboardState& state, const std::uint8_t* r) {
  const bool ok = IsProfile(r[1]) && ValidSelector(r[2]);
  state.SelectionValid = ok;
  state.SelectedProfile = ok ? r[1] : 0;
  state.SelectedReport = ok ? r[2] : 0;
  return Verdict(ok);
}

void StoreTalkState(SimKeyboardState& state, const std::uint8_t* values) {
  for (int i = 0; i < 2; ++i)
    if (values[i] != kLeaveTalkStateUnchanged) state.TalkState[i] = values[i];
}

// Whether the last request selected this report (for the macro report, any
// key index does); the request also named the profile and key to answer for.
bool SelectionFor(const SimKeyboardState& state, const ReportFormat& format) {
  return state.SelectionValid && ReportForSelector(state.SelectedReport) == format.id;
}

void SendKeyLayer(const SimProfile& profile, const KeyLayer& layer, std::uint8_t* out) {
  const int n = layer.keyCount;
  std::memcpy(out + 3, profile.KeyCodes + layer.firstKey, n);
  std::memcpy(out + 3 + n, profile.Modifiers + layer.firstKey, n);
  std::memcpy(out + 3 + 2 * n, profile.Usages + layer.firstKey, n);
}

}  // namespace

std::uint8_t ReceiveSettingsReport(SimKeyboardState& state, const ReportFormat& format,
                                   const std::uint8_t* r) {
  if (format.checksummed && !ChecksumMatches(r, format.size)) return kStatusFailure;
  if (const KeyLayer* layer = FindKeyLayer(format.id))
    return ReceiveKeyLayer(state, *layer, format, r);
  switch (format.id) {
    case kControlReport:
      return ReceiveRequest(state, r);
    case kProfileSelectReport:
      if (r[1] != format.size || !IsProfile(r[2])) return kStatusFailure;
      state.ActiveProfile = r[2];
      return kStatusDone;
    case kKeyEnableReport:
      if (!ProfileFrameOk(format, r)) return kStatusFailure;
      state.Profiles[r[2]].KeyEnableMask = r[3];
      return kStatusDone;
    case kCapsLockReport:
      if (!ProfileFrameOk(format, r) || r[3] == kHostOnlyStandardMarker) return kStatusFailure;
      state.Profiles[r[2]].CapsLockCode = r[3];
      return kStatusDone;
    case kIlluminationReport:
      if (!ProfileFrameOk(format, r)) return kStatusFailure;
      std::memcpy(&state.Profiles[r[2]].Lighting, r + 3, sizeof(SimLighting));
      return kStatusDone;
    case kMacroReport:
      return ReceiveMacro(state, r);
    case kDefaultsCommand:
      if (std::memcmp(r, kDefaultsCommandBytes, sizeof(kDefaultsCommandBytes)) != 0)
        return kStatusFailure;
      RestoreFactoryProfiles(state);
      state.ActiveProfile = 0;
      return kStatusDone;
    case kStampReport:
      if (r[1] != format.size) return kStatusFailure;
      std::memcpy(state.SettingsStamp, r + 2, sizeof(state.SettingsStamp));
      return kStatusDone;
    case kHostStateReport:
      if (r[1] != format.size) return kStatusFailure;
      state.HostState = r[2];
      return kStatusDone;
    case kTalkStateReport:
      if (r[1] != format.size) return kStatusFailure;
      StoreTalkState(state, r + 2);
      return kStatusDone;
    case kAmbientLightReport:
      if (r[1] != format.size) return kStatusFailure;
      std::memcpy(state.AmbientLight, r + 2, sizeof(state.AmbientLight));
      return kStatusDone;
    default:
      return kStatusFailure;
  }
}

bool SendSettingsReport(const SimKeyboardState& state, const ReportFormat& format,
                        std::uint8_t* out) {
  std::memset(out, 0, format.size);
  out[0] = format.id;
  if (format.id == kControlReport) {  // the status: no length byte
    out[1] = state.Status;
    return true;
  }
  const bool profileBound = format.selector != kNoRequest;
  if (profileBound && !SelectionFor(state, format)) return false;
  const SimProfile& profile = state.Profiles[state.SelectedProfile];
  if (format.id == kMacroReport) {
    WriteU16(out + 1, kMaxReportSize);
    out[3] = state.SelectedProfile;
  } else {
    out[1] = static_cast<std::uint8_t>(format.size);
    if (profileBound) out[2] = state.SelectedProfile;
  }
  if (const KeyLayer* layer = FindKeyLayer(format.id)) {
    SendKeyLayer(profile, *layer, out);
  } else {
    switch (format.id) {
      case kProfileSelectReport:
        out[2] = state.ActiveProfile;
        break;
      case kVersionReport:
        out[2] = state.FirmwareVersion;
        out[3] = state.LoaderVersion;
        break;
      case kMacroReport:
        std::memcpy(out + kMacroHeader, &profile.Macros[state.SelectedReport], sizeof(SimMacro));
        break;
      case kKeyEnableReport:
        out[3] = profile.KeyEnableMask;
        break;
      case kCapsLockReport:
        out[3] = profile.CapsLockCode;
        break;
      case kIlluminationReport:
        std::memcpy(out + 3, &profile.Lighting, sizeof(SimLighting));
        break;
      case kStampReport:
        std::memcpy(out + 2, state.SettingsStamp, sizeof(state.SettingsStamp));
        break;
      case kHostStateReport:
        out[2] = state.HostState;
        break;
      case kTalkStateReport:
        std::memcpy(out + 2, state.TalkState, sizeof(state.TalkState));
        break;
      case kAmbientLightReport:
        std::memcpy(out + 2, state.AmbientLight, sizeof(state.AmbientLight));
        break;
      default:
        return false;
    }
  }
  if (format.checksummed) WriteChecksum(out, format.size);
  return true;
}

}  // namespace brelfx::sim
