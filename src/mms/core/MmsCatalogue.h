#pragma once

#include <string_view>

namespace tov {

/// The six texts that the MMS form copies into its settings in Auto mode.
struct MmsPreset {
    std::string_view url;       ///< MMS centre
    std::string_view apn;       ///< access point name
    std::string_view gateway;   ///< WAP gateway, a dotted IPv4 address
    std::string_view port;      ///< gateway port, decimal digits
    std::string_view account;   ///< may be empty
    std::string_view password;  ///< may be empty
};

/// Number of countries in the MMS form's Country list (42).
int MmsCountryCount();

/// Name of the country at a list position; position 0 has its own Chinese name. Empty when the
/// position is out of range.
std::string_view MmsCountryName(int country, bool chinese);

/// The country's English name ("Germany" for "Deutschland"); the list's name where it is English.
std::string_view MmsCountryEnglishName(int country);

/// Why an operator's preset cannot work (placeholder texts, another country's operator); empty
/// for a real preset.
std::string_view MmsPresetPlaceholder(int country, int op);

/// Number of operators a country lists (1 to 9); 0 for a position out of range.
int MmsOperatorCount(int country);

/// Name of an operator at its list positions, exactly as the list shows it (trailing blanks
/// included); the China operators have Chinese names. Empty when out of range.
std::string_view MmsOperatorName(int country, int op, bool chinese);

/// The preset of an operator, or nullptr when the positions are out of range.
const MmsPreset* FindMmsPreset(int country, int op);

}  // namespace tov
