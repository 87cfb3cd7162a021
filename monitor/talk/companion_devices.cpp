#include "monitor/talk/companion_devices.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "monitor/talk/talk_payloads.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

// The name up to its terminator, or all 20 characters when it has none.
std::u16string NameOf(const CompanionDeviceRecord& record) {
  char16_t name[sizeof(record.Name) / sizeof(char16_t)];
  std::memcpy(name, record.Name, sizeof(name));  // the record is packed
  char16_t* end = std::find(std::begin(name), std::end(name), u'\0');
  return std::u16string(std::begin(name), end);
}

CompanionDevice* EntryFor(CompanionDeviceList& list, std::uint16_t productId) {
  const int count = ValidCount(list);
  for (int i = 0; i < count; ++i)
    if (list.Devices[i].PID == productId) return &list.Devices[i];
  if (count == kMaxCompanionDevices) return nullptr;
  list.Count = count + 1;
  return &list.Devices[count];
}

}  // namespace

bool TakeCompanionDevice(CompanionDeviceList& list, std::span<const std::uint8_t> payload,
                         AnsiText& ansi) {
  if (payload.size() != sizeof(CompanionDeviceRecord)) return false;
  CompanionDeviceRecord record;
  std::memcpy(&record, payload.data(), sizeof(record));
  CompanionDevice* entry = EntryFor(list, record.ProductId);
  if (entry == nullptr) return false;
  entry->VID = record.VendorId;
  entry->PID = record.ProductId;
  SetTextField(entry->Name, ansi.FromUtf16(NameOf(record)));  // cut to 19
  std::memcpy(entry->CPI, record.Cpi, sizeof(entry->CPI));
  return true;
}

}  // namespace brelfx
