#pragma once

#include "common/SafeFileWriter.h"

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

/// The same standard messages on the command line: the form's Chinese text, then its English
/// text in brackets unless the interface speaks Chinese ("请键入一个整数。 (Please enter an
/// integer.)").
std::string StandardRangeMessage(int min, int max, int languageIndex);
std::string NotAnIntegerMessage(int languageIndex);

/// The message shown when a configuration file could not be written: names the path and
/// the operating system's reason (or that the card gave back other bytes), and says that the
/// previous file was left unchanged only when there was one and it was; in Chinese when
/// `languageIndex` is 1.
std::string WriteFailureMessage(const std::string& path, const WriteResult& result,
                                int languageIndex);

}  // namespace tov
