#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tov {

/// The Windows language identifier of a locale name such as "zh_CN", "de-LI" or
/// "en_US.UTF-8". A known language with an unknown country gives the language's usual
/// identifier; an unknown language gives 0x0409 (English, United States).
std::uint16_t LanguageIdForLocale(std::string_view localeName);

/// A language identifier written in hexadecimal ("0804" or "0x0804", one to four digits);
/// no value for any other text.
std::optional<std::uint16_t> ParseLanguageId(std::string_view text);

}  // namespace tov
