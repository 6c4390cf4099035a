#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tov {

/// Bytes written out in hex ("0D 0A", spaces anywhere), as the tests give the images they
/// expect. A character that is not a hex digit or a space is a mistake in the test itself.
inline std::vector<std::uint8_t> FromHex(std::initializer_list<std::string_view> lines) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (const std::string_view line : lines) {
        for (const char c : line) {
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else if (c != ' ') {
                return {};
            }
            if (digit < 0) {
                continue;
            }
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
                high = -1;
            }
        }
    }
    return high < 0 ? bytes : std::vector<std::uint8_t>{};
}

}  // namespace tov
