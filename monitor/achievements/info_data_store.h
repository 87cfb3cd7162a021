// Where the monitor keeps the statistics record between runs: [Setting]
// "InfoData" of config.ini.
#pragma once

#include <cstdint>

#include "settings/settings_block.h"

namespace brelfx {

class InfoDataStore {
 public:
  virtual ~InfoDataStore() = default;
  virtual bool WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) = 0;
};

}  // namespace brelfx
