#include "common/Record60.h"

#include <algorithm>

namespace tov {

Record60 BlankRecord() {
    Record60 record{};
    record[kLineEndOffset] = 0x0D;
    record[kLineEndOffset + 1] = 0x0A;
    return record;
}

Record60 MakeTextRecord(std::string_view text) {
    Record60 record = BlankRecord();
    const std::size_t length = std::min(text.size(), kRecordTextCapacity);
    std::copy_n(text.begin(), length, record.begin());
    record[kRecordLengthOffset] = static_cast<std::uint8_t>(length);
    return record;
}

std::string RecordText(const Record60& record) {
    const std::size_t length =
        std::min<std::size_t>(record[kRecordLengthOffset], kRecordTextCapacity);
    return std::string(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(length));
}

void ScrambleRecord(Record60& record) {
    for (std::size_t i = 0; i < kScrambledBytes; ++i) {
        const unsigned c = static_cast<std::uint8_t>(~record[i]);
        record[i] = static_cast<std::uint8_t>(((c << 4) | (c >> 4)) & 0xFFU);
    }
}

void UnscrambleRecord(Record60& record) {
    for (std::size_t i = 0; i < kScrambledBytes; ++i) {
        const unsigned b = record[i];
        record[i] = static_cast<std::uint8_t>(~(((b << 4) | (b >> 4)) & 0xFFU));
    }
}

bool HasLineEnd(const Record60& record) {
    return record[kLineEndOffset] == 0x0D && record[kLineEndOffset + 1] == 0x0A;
}

void PutChecksum(Record60& record, std::size_t offset, std::uint16_t checksum) {
    record.at(offset) = static_cast<std::uint8_t>(checksum & 0xFFU);
    record.at(offset + 1) = static_cast<std::uint8_t>(checksum >> 8);
}

std::uint16_t ReadChecksum(const Record60& record, std::size_t offset) {
    return static_cast<std::uint16_t>(record.at(offset) | (record.at(offset + 1) << 8));
}

}  // namespace tov
