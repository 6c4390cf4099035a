#include "common/Record60.h"

#include <algorithm>

namespace tov {

Record60 BlankRecord() {
    Record60 record{};
    record[58] = 0x0D;
    record[59] = 0x0A;
    return record;
}

Record60 MakeTextRecord(std::string_view text) {
    Record60 record = BlankRecord();
    const std::size_t length = std::min(text.size(), kRecordTextCapacity);
    std::copy_n(text.begin(), length, record.begin());
    record[kRecordLengthOffset] = static_cast<std::uint8_t>(length);
    return record;
}

void ScrambleRecord(Record60& record) {
    for (std::size_t i = 0; i < kScrambledBytes; ++i) {
        const unsigned c = static_cast<std::uint8_t>(~record[i]);
        record[i] = static_cast<std::uint8_t>(((c << 4) | (c >> 4)) & 0xFFU);
    }
}

void PutChecksum(Record60& record, std::size_t offset, std::uint16_t checksum) {
    record.at(offset) = static_cast<std::uint8_t>(checksum & 0xFFU);
    record.at(offset + 1) = static_cast<std::uint8_t>(checksum >> 8);
}

}  // namespace tov
