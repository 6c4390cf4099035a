#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <string_view>

namespace tov {

/// One character (UTF-16, one code unit or a surrogate pair) as bytes of a Windows ANSI code
/// page, or nothing when the code page has no byte sequence of its own for it. A best-fit
/// replacement ("a" for "ä" in a code page without it) counts as none.
std::optional<std::string> EncodeInCodePage(unsigned codePage, std::u16string_view character);

/// Bytes of a Windows ANSI code page as UTF-8.
std::string DecodeFromCodePage(unsigned codePage, std::string_view bytes);

}  // namespace tov

#endif
