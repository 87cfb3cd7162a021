#include "sim/capture.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace brelfx::sim {
namespace {

SimCaptureEntry& NextEntry(SimCapture& capture, std::int64_t timeMs, SimCaptureKind kind) {
  SimCaptureEntry& e = capture.Entries[capture.Total % kCaptureCapacity];
  e.TimeMs = timeMs;
  e.Sequence = ++capture.Total;
  e.Kind = kind;
  e.Ok = 1;
  e.Length = 0;
  e.Value = 0;
  return e;
}

const char* KindName(std::uint8_t kind) {
  switch (kind) {
    case kCaptureSet:
      return "set";
    case kCaptureGet:
      return "get";
    case kCaptureEvent:
      return "event";
    case kCapturePlug:
      return "plug";
    default:
      return "?";
  }
}

}  // namespace

void RecordReport(SimCapture& capture, std::int64_t timeMs, SimCaptureKind kind, bool ok,
                  const std::uint8_t* bytes, int length) {
  SimCaptureEntry& e = NextEntry(capture, timeMs, kind);
  e.Ok = ok;
  e.Length = std::max(length, 0);
  const int kept = std::min(e.Length, kMaxReportSize);
  if (kept > 0) std::memcpy(e.Bytes, bytes, kept);
}

void RecordEvent(SimCapture& capture, std::int64_t timeMs, std::uint16_t type,
                 std::uint16_t value) {
  SimCaptureEntry& e = NextEntry(capture, timeMs, kCaptureEvent);
  e.Length = type;
  e.Value = value;
}

void RecordPlug(SimCapture& capture, std::int64_t timeMs, bool arrived) {
  NextEntry(capture, timeMs, kCapturePlug).Length = arrived;
}

void ClearCapture(SimCapture& capture) {
  capture.Total = 0;
}

std::vector<const SimCaptureEntry*> CaptureEntries(const SimCapture& capture) {
  const std::uint32_t held = std::min<std::uint32_t>(capture.Total, kCaptureCapacity);
  std::vector<const SimCaptureEntry*> entries;
  entries.reserve(held);
  for (std::uint32_t seq = capture.Total - held; seq < capture.Total; ++seq)
    entries.push_back(&capture.Entries[seq % kCaptureCapacity]);
  return entries;
}

std::string FormatCaptureEntry(const SimCaptureEntry& e) {
  char head[96];
  std::snprintf(head, sizeof(head), "#%-5" PRIu32 " %4" PRId64 ".%03" PRId64 " %-5s ", e.Sequence,
                e.TimeMs / 1000, e.TimeMs % 1000, KindName(e.Kind));
  std::string line = head;
  if (e.Kind == kCaptureEvent) {
    char text[48];
    std::snprintf(text, sizeof(text), "type %04x value %04x", static_cast<unsigned>(e.Length),
                  static_cast<unsigned>(e.Value));
    return line + text;
  }
  if (e.Kind == kCapturePlug) return line + (e.Length ? "arrived" : "left");
  line += e.Ok ? "ok  " : "fail";
  const int shown = std::min(e.Length, kMaxReportSize);
  char hex[4];
  for (int i = 0; i < shown; ++i) {
    std::snprintf(hex, sizeof(hex), " %02x", e.Bytes[i]);
    line += hex;
  }
  if (e.Length > shown) line += " ...";
  return line;
}

std::string FormatCapture(const SimCapture& capture) {
  std::string text;
  for (const SimCaptureEntry* e : CaptureEntries(capture)) text += FormatCaptureEntry(*e) + '\n';
  return text;
}

}  // namespace brelfx::sim
