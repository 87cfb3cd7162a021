// Random bytes from the system's cryptographic generator.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brelfx {

bool FillSystemRandom(std::uint8_t* bytes, std::size_t count);

}  // namespace brelfx
