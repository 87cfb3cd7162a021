// The feature-report frame: zeroed buffers of a report's length and the
// trailing 16-bit checksum that most reports carry.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "device/report_ids.h"

namespace brelfx {

using Report = std::vector<std::uint8_t>;

// A zeroed buffer of the report's length, byte 0 its id (what a read fills).
Report NewReport(const ReportFormat& format);

// A report to send: byte 1 its length, as in every report but the control
// and macro reports; profile-bound reports also carry the slot in byte 2.
Report NewSizedReport(const ReportFormat& format);
Report NewProfileReport(const ReportFormat& format, int slot);

// The slot in byte 2 of a read profile-bound report, or -1 when the report has
// the wrong length or names no slot 0-4 (it must not be stored then).
int ReportProfileSlot(std::span<const std::uint8_t> report, const ReportFormat& format);

// Sum of the bytes as unsigned values, modulo 65,536.
std::uint16_t ReportChecksum(std::span<const std::uint8_t> bytes);

// Writes the checksum of bytes 0..length-3 into the last two bytes (low first).
void StoreChecksum(std::span<std::uint8_t> report);

// True when the last two bytes hold the checksum of the rest.
bool ChecksumMatches(std::span<const std::uint8_t> report);

// 32-bit record fields travel as their low byte.
inline std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// Little-endian 16-bit fields.
std::uint16_t ReadUint16(std::span<const std::uint8_t> bytes, int offset);
void WriteUint16(std::span<std::uint8_t> bytes, int offset, std::uint16_t value);

// Profile slots 0-4 as they travel in byte 2 (byte 3 of the macro report).
bool IsProfileSlot(int value);

}  // namespace brelfx
