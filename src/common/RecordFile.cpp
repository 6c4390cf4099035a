#include "common/RecordFile.h"

#include "common/Checksum.h"

#include <algorithm>

namespace tov {

std::vector<std::uint8_t> BuildRecordFile(const RecordFileBody& plain, std::uint16_t checkAddend) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kRecordFileSize);
    for (Record60 record : plain) {
        ScrambleRecord(record);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    // The camera checks the stored (scrambled) bytes, then adds the file's own constant.
    const auto check = static_cast<std::uint16_t>(Crc16Xmodem(bytes) + checkAddend);
    Record60 trailer = BlankRecord();
    PutChecksum(trailer, kRecordFileCheckOffset, check);
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return bytes;
}

RecordFileReading ReadRecordFile(std::span<const std::uint8_t> bytes) {
    RecordFileReading reading;
    reading.sizeOk = bytes.size() == kRecordFileSize;
    const std::size_t bodySize = kRecordFileBodyRecords * kRecordSize;
    reading.crc = Crc16Xmodem(bytes.first(std::min(bytes.size(), bodySize)));

    std::array<Record60, kRecordFileBodyRecords + 1> stored{};
    for (std::size_t r = 0; r < stored.size(); ++r) {
        const std::size_t begin = r * kRecordSize;
        if (begin < bytes.size()) {
            const std::size_t length = std::min(kRecordSize, bytes.size() - begin);
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(begin), length,
                        stored[r].begin());
        }
        if (!HasLineEnd(stored[r])) {
            reading.badLineEnds.push_back(static_cast<int>(r));
        }
    }
    for (std::size_t r = 0; r < kRecordFileBodyRecords; ++r) {
        reading.plain[r] = stored[r];
        UnscrambleRecord(reading.plain[r]);
    }
    const Record60& trailer = stored.back();
    reading.trailerZero = std::all_of(trailer.begin(), trailer.begin() + kRecordFileCheckOffset,
                                      [](std::uint8_t b) { return b == 0; });
    reading.storedCheck = ReadChecksum(trailer, kRecordFileCheckOffset);
    return reading;
}

}  // namespace tov
