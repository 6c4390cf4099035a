#include "app/host/WindowsCodePage.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tov {

std::optional<std::string> EncodeInCodePage(unsigned codePage, std::u16string_view character) {
    const auto* wide = reinterpret_cast<const wchar_t*>(character.data());
    const int wideLength = static_cast<int>(character.size());
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, wideLength, bytes,
                                           static_cast<int>(sizeof bytes), nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    return std::string(bytes, static_cast<std::size_t>(length));
}

std::string DecodeFromCodePage(unsigned codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int byteLength = static_cast<int>(bytes.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, wide.data(), wideLength);
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(utf8Length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}

}  // namespace tov

#endif
