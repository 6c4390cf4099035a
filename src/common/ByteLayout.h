#pragma once

#include "common/FieldTable.h"
#include "common/Record60.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace tov {

// A file's layout is its field table plus one row for each run of bytes that no form field
// sets. Together they name every byte of every record exactly once per family, which each
// file's layout header proves with a static_assert; the builders and the decoders take the
// places of these bytes from the rows.

/// What a run of bytes that no form field sets holds.
enum class ByteRole {
    Clock,       ///< menu.dat: the clock, six bytes
    Language,    ///< the language byte
    TvMode,      ///< the low byte of the TV mode preference
    SendCode,    ///< setup.dat: the MMS Send choice as the family codes it
    Constant,    ///< always `value`
    Reserved,    ///< always 0
    ManualMark,  ///< `value` in Manual mode in place of a field's value (shares that byte)
    UserName,    ///< smtp.dat: a text record holding the sender's address before its "@"
    Check,       ///< a checksum, low byte first; `value` is what the camera adds to the CRC
    LineEnd,     ///< 0D 0A
};

/// A run of `length` bytes at `offset` of records `record`..`lastRecord`.
struct ByteRow {
    std::string_view name;
    ByteRole role = ByteRole::Reserved;
    int record = 0;
    int lastRecord = 0;
    int offset = 0;
    int length = 1;
    PerFamily<bool> present = Both(true);
    int value = 0;

    /// Whether the row replaces a field's value rather than owning bytes of its own.
    constexpr bool shares() const { return role == ByteRole::ManualMark; }
};

/// A row of one record.
constexpr ByteRow RowAt(std::string_view name, ByteRole role, int record, int offset,
                        int length = 1, int value = 0, PerFamily<bool> present = Both(true)) {
    return {name, role, record, record, offset, length, present, value};
}

/// Whether the field table and the rows name every byte of the family's `records` records
/// exactly once (a field and a row that share a byte by design say so in their coding).
template <class S>
constexpr bool CoversEveryByteOnce(FieldTable<S> fields, std::span<const ByteRow> rows,
                                   Family family, int records) {
    std::array<int, 12 * kRecordSize> count{};
    const auto add = [&](int record, int offset, int length) {
        for (int i = 0; i < length; ++i) {
            const int at = record * static_cast<int>(kRecordSize) + offset + i;
            if (record < 0 || record >= records || offset + i >= static_cast<int>(kRecordSize)) {
                return false;
            }
            ++count[static_cast<std::size_t>(at)];
        }
        return true;
    };
    for (const Field<S>& field : fields) {
        const Place place = field.place[family];
        // The unit of a value shares the value's byte: its coding sets only bit 7.
        if (!field.present[family] || !place.inFile() || place.coding == Coding::SecondsFlag) {
            continue;
        }
        if (!add(place.record, place.offset, place.length())) {
            return false;
        }
    }
    for (const ByteRow& row : rows) {
        if (!row.present[family] || row.shares()) {
            continue;
        }
        for (int record = row.record; record <= row.lastRecord; ++record) {
            if (!add(record, row.offset, row.length)) {
                return false;
            }
        }
    }
    for (int i = 0; i < records * static_cast<int>(kRecordSize); ++i) {
        if (count[static_cast<std::size_t>(i)] != 1) {
            return false;
        }
    }
    return true;
}

/// The bytes where the two families' layouts part: from the first byte that a field holds in
/// one family only or at another place (or a row of one family only), to the last such byte.
template <class S>
constexpr std::pair<int, int> FamilyBytes(FieldTable<S> fields, std::span<const ByteRow> rows) {
    int first = static_cast<int>(kRecordSize);
    int last = 0;
    const auto take = [&](int offset, int length) {
        first = std::min(first, offset);
        last = std::max(last, offset + length - 1);
    };
    for (const Field<S>& field : fields) {
        const Place a = field.place.first;
        const Place b = field.place.second;
        const bool differs = field.present.first != field.present.second || a.record != b.record ||
                             a.offset != b.offset || a.coding != b.coding;
        for (const Family family : {Family::First, Family::Second}) {
            if (differs && field.present[family] && field.place[family].inFile()) {
                take(field.place[family].offset, field.place[family].length());
            }
        }
    }
    for (const ByteRow& row : rows) {
        if (row.present.first != row.present.second) {
            take(row.offset, row.length);
        }
    }
    return {first, last};
}

/// The one row of `role` present in the family; a layout without it does not compile where
/// this is a constant.
constexpr const ByteRow& RowOf(std::span<const ByteRow> rows, ByteRole role,
                               Family family = Family::First) {
    for (const ByteRow& row : rows) {
        if (row.role == role && row.present[family]) {
            return row;
        }
    }
    throw "the layout has no row of this role";
}

/// The byte ranges [begin, end) of `record` that both families keep at 0 (a range of one
/// family only is described with that family's bytes).
inline std::vector<std::pair<std::size_t, std::size_t>>
ReservedRanges(std::span<const ByteRow> rows, int record) {
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const ByteRow& row : rows) {
        if (row.role == ByteRole::Reserved && row.present.first && row.present.second &&
            row.record <= record && record <= row.lastRecord) {
            const auto begin = static_cast<std::size_t>(row.offset);
            ranges.emplace_back(begin, begin + static_cast<std::size_t>(row.length));
        }
    }
    return ranges;
}

}  // namespace tov
