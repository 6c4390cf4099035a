#pragma once

#include "common/FieldTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tov {

/// Why a value does not fit its row.
enum class ValueFault {
    None,
    OutOfRange,  ///< a number outside the row's bounds
    TooLong,     ///< a text with more bytes than the row's limit
    NotAscii,    ///< a byte outside ASCII in a text that reaches a network or a mail server
};

struct ValueVerdict {
    ValueFault fault = ValueFault::None;
    std::size_t at = 0;  ///< NotAscii: the position of the first byte outside ASCII
    int limit = 0;       ///< TooLong: the byte limit

    bool ok() const { return fault == ValueFault::None; }
};

/// The one check of a text against its row, for the forms and the command line alike: the
/// bytes in the file's code page, the row's byte limit, and ASCII where the row asks for it.
ValueVerdict CheckTextBytes(std::string_view bytes, int maxBytes, bool asciiOnly);

/// The one check of a number against its row's bounds.
ValueVerdict CheckNumberValue(int value, int min, int max);

template <class S>
ValueVerdict CheckFieldText(const Field<S>& field, Family family, std::string_view bytes) {
    return CheckTextBytes(bytes, MaxFor(field, family), field.asciiOnly);
}

template <class S>
ValueVerdict CheckFieldNumber(const Field<S>& field, Family family, int value) {
    return CheckNumberValue(value, field.min, MaxFor(field, family));
}

/// Why a text that reaches a network was refused, for a field's hint or the command line.
std::string AsciiOnlyMessage(int languageIndex);
/// Why typed characters were refused: the file's code page (named) cannot hold them.
std::string CodePageMessage(std::string_view characters, std::string_view codePage,
                            int languageIndex);
/// Why typing stopped at a text's byte limit.
std::string ByteLimitMessage(int maxBytes, int languageIndex);
/// Why typing stopped at a path's character limit.
std::string CharacterLimitMessage(int maxChars, int languageIndex);

}  // namespace tov
