#pragma once

#include <cstdint>
#include <span>

namespace tov {

/// CRC-16/XMODEM (polynomial 0x1021, initial 0, no reflection, no final XOR), table driven.
/// The one checksum of every file the tool writes; each call starts again at 0.
std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> bytes);

}  // namespace tov
