#pragma once

#include "common/ByteLayout.h"
#include "common/DecodedMeanings.h"
#include "common/FieldDescription.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tov {

/// The meaning of a row whose bytes only the file knows how to read (menu.dat's clock,
/// setup.dat's MMS Send code, smtp.dat's user name); no value: the generic reading.
using RowMeaningFn =
    std::function<std::optional<Meaning>(const ByteRow& row, std::span<const std::uint8_t> bytes)>;

/// Describes the family's rows that a reader of the file names beside the fields, in the
/// rows' order: the language and TV mode bytes, the constants, a range that only this family
/// keeps at 0, and whatever `special` reads. Ranges both families keep at 0, the manual mark
/// (told with its field), the check and the line ends are checked with the file's frame.
std::vector<DecodedField> DescribeRows(std::span<const ByteRow> rows, Family family,
                                       std::span<const Record60> records,
                                       const RowMeaningFn& special);

/// Which bytes of a layout a section of `inspect` shows.
enum class LayoutPart {
    Common,  ///< the bytes both families read alike
    Family,  ///< the bytes the families read differently (FamilyBytes)
};

/// One section of `inspect` from the file's layout: the family's fields (through
/// DescribeFields) and rows (through DescribeRows) of the part, in file order.
template <class S>
std::vector<DecodedField> DescribeLayout(FieldTable<S> table, std::span<const ByteRow> rows,
                                         Family family, std::span<const Record60> records,
                                         const S& decoded, const ChoiceMeaningFn& choiceMeaning,
                                         const RowMeaningFn& rowMeaning, LayoutPart part,
                                         bool showSecrets = false) {
    const auto [first, last] = FamilyBytes(table, rows);
    const auto wanted = [&, first = first, last = last](const DecodedField& field) {
        const bool differs = field.offset >= static_cast<std::size_t>(first) &&
                             field.offset <= static_cast<std::size_t>(last);
        return differs == (part == LayoutPart::Family);
    };
    std::vector<DecodedField> fields;
    for (DecodedField& field :
         DescribeFields(table, family, records, decoded, choiceMeaning, showSecrets)) {
        if (wanted(field)) {
            fields.push_back(std::move(field));
        }
    }
    for (DecodedField& field : DescribeRows(rows, family, records, rowMeaning)) {
        if (wanted(field)) {
            fields.push_back(std::move(field));
        }
    }
    SortByOffset(fields);
    return fields;
}

}  // namespace tov
