#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tov {

/// Whether two texts are equal when ASCII letters are compared without case.
bool SameIgnoringCase(std::string_view a, std::string_view b);

/// The text without the spaces at its start and end.
std::string_view TrimSpaces(std::string_view text);

/// A whole text of decimal digits (an optional leading minus) as an int; no value for
/// anything else, an empty text, or a number an int cannot hold.
std::optional<int> ParseInt(std::string_view text);

/// Whether the text is not empty and holds decimal digits only.
bool AllDigits(std::string_view text);

/// The text as it may be shown on a terminal or in a message: control characters (C0, DEL
/// and the C1 range) become "\n", "\t", "\r" or "\xHH", and so does every byte that is not
/// part of a UTF-8 character and every byte of an invisible formatting character (a direction
/// override), so that input repeated in a message can neither drive the
/// terminal nor break a line. Every message that repeats input shows it through this.
std::string Printable(std::string_view text);

/// The text in double quotes, for messages, made Printable.
std::string Quoted(std::string_view text);

/// Bytes of a file in double quotes: printable ASCII as it is, every other byte (controls,
/// DEL, any byte of the code page's other characters) as "\xNN", so that nothing read from a
/// file can drive a terminal or turn the direction of its text.
std::string QuotedBytes(std::string_view bytes);

/// Where the first character of a UTF-8 text lies that no setting may hold (counted from 1 in
/// characters): a control character (C0 such as NUL, TAB, LF, CR, ESC; DEL; the C1 range
/// U+0080..U+009F), an invisible formatting character (zero-width space and joiners, direction
/// marks, embeddings, overrides and isolates, the byte-order mark, ...) or a byte that is not
/// UTF-8. Nothing when the text is clean. The camera shows such characters as garbage or acts
/// on them, and a terminal may too.
std::optional<std::size_t> ForbiddenCharacterPosition(std::string_view utf8);

/// "0A": one byte as two upper-case hexadecimal digits.
std::string Hex2(unsigned value);
/// "0x8890": a 16-bit value.
std::string Hex4(unsigned value);
/// "FF FF 00": bytes as hexadecimal pairs separated by blanks.
std::string HexBytes(std::span<const std::uint8_t> bytes);

}  // namespace tov
