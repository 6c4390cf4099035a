#include "common/LayoutDescriber.h"

#include "common/DecodedMeanings.h"

#include <algorithm>

namespace tov {
namespace {

std::optional<Meaning> GenericMeaning(const ByteRow& row, std::span<const std::uint8_t> bytes) {
    switch (row.role) {
    case ByteRole::Language:
        return LanguageByteMeaning(bytes[0]);
    case ByteRole::TvMode:
        return Meaning{std::to_string(bytes[0]), true};
    case ByteRole::Constant: {
        const bool held =
            std::ranges::all_of(bytes, [&](std::uint8_t b) { return b == row.value; });
        return Meaning{(held ? "" : "not ") + std::to_string(row.value), held};
    }
    case ByteRole::Reserved: {
        if (row.present.first && row.present.second) {
            return std::nullopt;  // noted with the frame
        }
        const bool zero = std::ranges::all_of(bytes, [](std::uint8_t b) { return b == 0; });
        return Meaning{zero ? "reserved, 0" : "reserved, not 0", zero};
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

std::vector<DecodedField> DescribeRows(std::span<const ByteRow> rows, Family family,
                                       std::span<const Record60> records,
                                       const RowMeaningFn& special) {
    std::vector<DecodedField> fields;
    for (const ByteRow& row : rows) {
        if (!row.present[family] || row.record != row.lastRecord ||
            static_cast<std::size_t>(row.record) >= records.size()) {
            continue;
        }
        const Record60& record = records[static_cast<std::size_t>(row.record)];
        const auto offset = static_cast<std::size_t>(row.offset);
        const auto length = static_cast<std::size_t>(row.length);
        const std::span<const std::uint8_t> bytes(record.data() + offset, length);
        std::optional<Meaning> meaning = special ? special(row, bytes) : std::nullopt;
        if (!meaning) {
            meaning = GenericMeaning(row, bytes);
        }
        if (meaning) {
            fields.push_back(RecordPart(record, static_cast<std::size_t>(row.record), offset,
                                        length, std::string(row.name), std::move(*meaning)));
        }
    }
    return fields;
}

}  // namespace tov
