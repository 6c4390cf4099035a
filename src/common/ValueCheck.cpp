#include "common/ValueCheck.h"

#include <algorithm>

namespace tov {

ValueVerdict CheckTextBytes(std::string_view bytes, int maxBytes, bool asciiOnly) {
    if (asciiOnly) {
        const auto outside = std::ranges::find_if(
            bytes, [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
        if (outside != bytes.end()) {
            return {ValueFault::NotAscii, static_cast<std::size_t>(outside - bytes.begin()), 0};
        }
    }
    if (static_cast<long long>(bytes.size()) > maxBytes) {
        return {ValueFault::TooLong, 0, maxBytes};
    }
    return {};
}

ValueVerdict CheckNumberValue(int value, int min, int max) {
    return value < min || value > max ? ValueVerdict{ValueFault::OutOfRange, 0, 0} : ValueVerdict{};
}

std::string AsciiOnlyMessage(int languageIndex) {
    return std::string(PickMessage(
        {"只能使用 ASCII 字符：此文本发送给运营商网络或邮件服务器",
         "only ASCII characters: this text goes to the operator's network or the mail server"},
        languageIndex));
}

std::string CodePageMessage(std::string_view characters, std::string_view codePage,
                            int languageIndex) {
    // Appended rather than "\"" + ...: GCC 12 at -O3 warns wrongly on the latter.
    std::string quoted = "\"";
    quoted.append(characters).append("\"");
    const std::string name(codePage);
    return std::string(
        PickMessage({quoted + " 无法用 " + name + " 编码写入文件",
                     quoted + " cannot be written in the file's code page (" + name + ")"},
                    languageIndex));
}

std::string ByteLimitMessage(int maxBytes, int languageIndex) {
    const std::string most = std::to_string(maxBytes);
    return std::string(
        PickMessage({"最多 " + most + " 个字节", "at most " + most + " bytes fit in this field"},
                    languageIndex));
}

std::string CharacterLimitMessage(int maxChars, int languageIndex) {
    const std::string most = std::to_string(maxChars);
    return std::string(PickMessage(
        {"最多 " + most + " 个字符", "at most " + most + " characters fit in this field"},
        languageIndex));
}

}  // namespace tov
