#pragma once

#include "common/SafeFileWriter.h"

#include <cstddef>
#include <string>
#include <string_view>

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

/// A text holding a control or invisible formatting character (ForbiddenCharacterPosition):
/// names its position, never the character, which may be part of a password; in Chinese when
/// `languageIndex` is 1.
std::string ForbiddenCharacterMessage(std::size_t position, int languageIndex);

/// A character the file's code page cannot hold, at `position` (from 1) of the text. The
/// character is named only when `shown` is not empty (never for a password).
std::string UnrepresentableMessage(std::size_t position, std::string_view shown,
                                   std::string_view codePage, int languageIndex);

/// The message shown when a configuration file could not be written: names the path and
/// the operating system's reason (or that the card gave back other bytes), and says that the
/// previous file was left unchanged only when there was one and it was; in Chinese when
/// `languageIndex` is 1.
std::string WriteFailureMessage(const std::string& path, const WriteResult& result,
                                int languageIndex);

}  // namespace tov
