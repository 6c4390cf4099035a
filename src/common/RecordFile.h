#pragma once

#include "common/Record60.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tov {

/// setup.dat and smtp.dat: records 0..10 stored scrambled, then a plain trailer record whose
/// bytes 56..57 hold the CRC-16/XMODEM of the 660 stored bytes plus a constant of the file.
inline constexpr std::size_t kRecordFileBodyRecords = 11;
inline constexpr std::size_t kRecordFileSize = (kRecordFileBodyRecords + 1) * kRecordSize;
inline constexpr std::size_t kRecordFileCheckOffset = 56;

/// The plain (unscrambled) records 0..10: the header, then the ten text records.
using RecordFileBody = std::array<Record60, kRecordFileBodyRecords>;

/// The 720 stored bytes: every body record scrambled, then the plain trailer with the check.
std::vector<std::uint8_t> BuildRecordFile(const RecordFileBody& plain, std::uint16_t checkAddend);

/// What a stored record file holds, read back without judging the check's constant (the
/// caller knows which constants its file may carry).
struct RecordFileReading {
    bool sizeOk = false;            ///< exactly 720 bytes
    RecordFileBody plain{};         ///< the body records, unscrambled (zero where the file ends)
    std::vector<int> badLineEnds;   ///< records (0..11) whose bytes 58..59 are not 0D 0A
    bool trailerZero = false;       ///< trailer bytes 0..55 are all 0
    std::uint16_t storedCheck = 0;  ///< trailer bytes 56..57
    std::uint16_t crc = 0;          ///< CRC-16/XMODEM of the stored body bytes
};

/// Reads a stored record file; a short file leaves the missing records zero.
RecordFileReading ReadRecordFile(std::span<const std::uint8_t> bytes);

}  // namespace tov
