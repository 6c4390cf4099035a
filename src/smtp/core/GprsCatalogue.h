#pragma once

#include <string_view>

namespace tov {

/// The three texts that the e-mail form copies into its GPRS settings in Auto mode. Any of them
/// may be empty.
struct GprsPreset {
    std::string_view apn;
    std::string_view account;
    std::string_view password;
};

/// Number of countries in the e-mail form's Country list (41).
int GprsCountryCount();

/// Name of the country at a list position, the same in every language. Empty when out of range.
std::string_view GprsCountryName(int country);

/// The country's English name ("Germany" for "Deutschland"); the list's name where it is English.
std::string_view GprsCountryEnglishName(int country);

/// Why an operator's preset cannot work; empty for a real preset.
std::string_view GprsPresetPlaceholder(int country, int op);

/// Number of operators a country lists (1 to 8); 0 for a position out of range.
int GprsOperatorCount(int country);

/// Name of an operator at its list positions; empty when out of range.
std::string_view GprsOperatorName(int country, int op);

/// The preset of an operator, or nullptr when the positions are out of range.
const GprsPreset* LookupGprsPreset(int country, int op);

}  // namespace tov
