#pragma once

#include "common/ByteLayout.h"
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

}  // namespace tov
