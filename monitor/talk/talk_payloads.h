// What travels between the monitor and a Talk hub as WM_COPYDATA: little
// endian, packed. The monitor sends TalkDeviceStatus and TalkPacket (wParam
// 2024, the tag's high word 0x0797); the hub and companion-device software
// send a CompanionDeviceRecord, and the ambient-light effect to show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brelfx {

// The keyboard's USB ids; companion devices share the maker's vendor id.
constexpr std::uint16_t kKeyboardVendorId = 0x1E7D;
constexpr std::uint16_t kKeyboardProductId = 0x3264;

// wParam of every copy-data message the monitor sends to the hub.
constexpr std::uintptr_t kTalkCopyDataWParam = 2024;
// The tag (dwData) is this high word and a low word that says what follows.
constexpr std::uint16_t kTalkTagHighWord = 0x0797;
constexpr std::uint16_t kTalkKeyboardConnected = 3;
constexpr std::uint16_t kTalkKeyboardNotConnected = 4;

constexpr std::uintptr_t TalkTag(std::uint16_t lowWord) {
  return std::uintptr_t{kTalkTagHighWord} << 16 | lowWord;
}

#pragma pack(push, 1)

struct TalkDeviceStatus {
  std::uint16_t VendorId;
  std::uint16_t ProductId;
  std::uint32_t MonitorWindow;  // window handles keep their meaning in 32 bits
  std::uint8_t Reserved[20];
};

struct TalkPacket {
  std::uint16_t SenderVendorId;
  std::uint16_t SenderProductId;
  std::uint8_t FunctionCode;  // 0x8C, 0x8D, 0xF5-0xFB; 0 for any other function
  std::uint16_t TargetVendorId;
  std::uint16_t TargetProductId;
  std::uint8_t KeyState;  // 0 went down, non-zero went up
};

// A companion device describing itself. The list keeps it as a
// CompanionDevice with the name in ANSI.
struct CompanionDeviceRecord {
  std::uint16_t VendorId;
  std::uint16_t ProductId;
  char16_t Name[20];  // zero-terminated, or filling all 20
  std::int32_t Cpi[5];
};

#pragma pack(pop)

static_assert(sizeof(TalkDeviceStatus) == 28);
static_assert(offsetof(TalkDeviceStatus, ProductId) == 2);
static_assert(offsetof(TalkDeviceStatus, MonitorWindow) == 4);
static_assert(offsetof(TalkDeviceStatus, Reserved) == 8);
static_assert(std::is_trivially_copyable_v<TalkDeviceStatus>);

static_assert(sizeof(TalkPacket) == 10);
static_assert(offsetof(TalkPacket, SenderProductId) == 2);
static_assert(offsetof(TalkPacket, FunctionCode) == 4);
static_assert(offsetof(TalkPacket, TargetVendorId) == 5);
static_assert(offsetof(TalkPacket, TargetProductId) == 7);
static_assert(offsetof(TalkPacket, KeyState) == 9);
static_assert(std::is_trivially_copyable_v<TalkPacket>);

static_assert(sizeof(CompanionDeviceRecord) == 64);
static_assert(offsetof(CompanionDeviceRecord, ProductId) == 2);
static_assert(offsetof(CompanionDeviceRecord, Name) == 4);
static_assert(offsetof(CompanionDeviceRecord, Cpi) == 44);
static_assert(std::is_trivially_copyable_v<CompanionDeviceRecord>);

}  // namespace brelfx
