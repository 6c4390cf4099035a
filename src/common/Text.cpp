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

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
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
