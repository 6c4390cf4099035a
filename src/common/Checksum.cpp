#include "common/Checksum.h"

#include <array>

namespace tov {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000U) ? (crc << 1) ^ 0x1021U : crc << 1;
        }
        table[i] = static_cast<std::uint16_t>(crc & 0xFFFFU);
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kTable = MakeTable();

}  // namespace

std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> bytes) {
    unsigned crc = 0;
    for (std::uint8_t b : bytes) {
        crc = ((crc << 8) ^ kTable[(b ^ (crc >> 8)) & 0xFFU]) & 0xFFFFU;
    }
    return static_cast<std::uint16_t>(crc);
}

}  // namespace tov
