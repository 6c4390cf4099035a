#pragma once

#include <string>

namespace tov {

/// The tool's own range message, shown through ShowMessage: "Please enter an integer between
/// MIN and MAX!", or its Chinese text when `languageIndex` is 1.
std::string RangeMessage(int min, int max, int languageIndex);

/// The standard field messages of the platform's field exchange. With this program's
/// resources they are Chinese in every language and appear in the standard field-message box.
std::string StandardRangeMessage(int min, int max);  ///< a number outside its bounds
std::string StandardLengthMessage(int maxChars);     ///< a text longer than its field takes
std::string NotAnIntegerMessage();                   ///< an empty or non-numeric number field

/// The message shown when a configuration file could not be written: names the path and
/// the operating system's reason, in Chinese when `languageIndex` is 1.
std::string WriteFailureMessage(const std::string& path, const std::string& reason,
                                int languageIndex);

}  // namespace tov
