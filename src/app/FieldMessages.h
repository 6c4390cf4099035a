#pragma once

#include <string>

namespace tov {

/// The tool's own range message ("message A"): Chinese when `languageIndex` is 1, else
/// "Please enter an integer between MIN and MAX!". Shown through ShowMessage.
std::string RangeMessage(int min, int max, int languageIndex);

/// The platform's standard field messages, the tool's Chinese texts in every language,
/// shown in the standard field-message box.
std::string FieldRangeMessage(int min, int max);  ///< "message B"
std::string FieldLengthMessage(int maxChars);     ///< "message C"
std::string NotAnIntegerMessage();                ///< empty or non-numeric field

/// The message shown when a configuration file could not be written: names the path and
/// the operating system's reason, in Chinese when `languageIndex` is 1.
std::string WriteFailureMessage(const std::string& path, const std::string& reason,
                                int languageIndex);

}  // namespace tov
