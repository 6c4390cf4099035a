#include "common/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace tov {
namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

// The length of the UTF-8 character at the start of `text`, 0 when it is not one (a stray
// continuation byte, a cut or overlong sequence, a surrogate, a code point past U+10FFFF).
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const unsigned second = length > 1 ? byte(1) : 0x80;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

}  // namespace

namespace {

// The code point of the UTF-8 character of `length` bytes at the start of `text`.
char32_t CodePoint(std::string_view text, std::size_t length) {
    const auto byte = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(text[i]));
    };
    if (length == 1) {
        return byte(0);
    }
    char32_t value = byte(0) & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        value = (value << 6) | (byte(i) & 0x3FU);
    }
    return value;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters that take no place on the screen but change what is around them: the soft
// hyphen, joiners and zero-width spaces, direction marks, embeddings, overrides and isolates,
// line and paragraph separators, invisible operators, the byte-order mark, annotation marks
// and tags.
bool IsInvisibleFormat(char32_t c) {
    return c == 0xAD || c == 0x61C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE0000 && c <= 0xE007F);
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text.substr(i));
        if (length != 0) {
            const char32_t c = CodePoint(text.substr(i), length);
            if (!IsControl(c) && !IsInvisibleFormat(c)) {
                shown.append(text.substr(i, length));
                i += length;
                continue;
            }
        }
        for (const std::size_t end = i + std::max<std::size_t>(length, 1); i < end; ++i) {
            const char b = text[i];
            shown += '\\';
            if (b == '\n' || b == '\t' || b == '\r') {
                shown += b == '\n' ? 'n' : b == '\t' ? 't' : 'r';
            } else {
                shown += 'x';
                shown += Hex2(static_cast<unsigned char>(b));
            }
        }
    }
    return shown;
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += Printable(text);
    quoted += '"';
    return quoted;
}

std::string QuotedBytes(std::string_view bytes) {
    std::string quoted(1, '"');
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if (c < 0x20 || c >= 0x7F || b == '\\' || b == '"') {
            // A quote or backslash of the text is escaped too, so the quoting stays readable.
            quoted += "\\x";
            quoted += Hex2(c);
        } else {
            quoted += b;
        }
    }
    quoted += '"';
    return quoted;
}

std::optional<std::size_t> ForbiddenCharacterPosition(std::string_view utf8) {
    std::size_t position = 1;
    for (std::size_t i = 0; i < utf8.size(); ++position) {
        const std::size_t length = Utf8Length(utf8.substr(i));
        if (length == 0) {
            return position;
        }
        const char32_t c = CodePoint(utf8.substr(i), length);
        if (IsControl(c) || IsInvisibleFormat(c)) {
            return position;
        }
        i += length;
    }
    return std::nullopt;
}

std::string Hex2(unsigned value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02X", value & 0xFFU);
    return text.data();
}

std::string Hex4(unsigned value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%04X", value & 0xFFFFU);
    return text.data();
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += Hex2(b);
    }
    return text;
}

}  // namespace tov
