#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tov {

/// The rule of every preset text in the operator catalogues: printable ASCII of at most `limit`
/// bytes.
inline bool IsPresetText(std::string_view text, std::size_t limit) {
    return text.size() <= limit &&
           std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

}  // namespace tov
