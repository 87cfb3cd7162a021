// The install identifier the trophy service tells installs apart by: 128
// random bits written as 32 lower-case hexadecimal digits, created on first
// use and kept in config.ini [Share] InstallId. Random rather than derived
// from the machine, so it discloses nothing about the computer (a network
// adapter's address would).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace brelfx {

class IniFile;

constexpr char kInstallIdKey[] = "InstallId";
constexpr std::size_t kInstallIdBytes = 16;

// Fills the buffer from a cryptographic random source; false when it failed.
using RandomBytesSource = std::function<bool(std::uint8_t* bytes, std::size_t count)>;

bool IsInstallId(std::string_view text);

// The kept identifier; when there is none (or it was edited into something
// else) a fresh one from `random`, written to config.ini. Empty only when
// the random source failed. A fresh identifier that cannot be written is
// still returned: the share works, the next one will carry another.
std::string ReadOrCreateInstallId(IniFile& config, const RandomBytesSource& random);

}  // namespace brelfx
