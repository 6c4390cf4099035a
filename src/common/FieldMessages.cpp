#include "common/FieldMessages.h"

#include "common/AppState.h"
#include "common/Text.h"

namespace tov {
namespace {

std::string WithEnglish(std::string text, const std::string& english, int languageIndex) {
    if (languageIndex != kChinese) {
        text += " (";
        text += english;
        text += ")";
    }
    return text;
}

}  // namespace

std::string RangeMessage(int min, int max, int languageIndex) {
    const std::string lo = std::to_string(min);
    const std::string hi = std::to_string(max);
    if (languageIndex == kChinese) {
        return "请输入一个介于" + lo + "和" + hi + "之间的值!";
    }
    return "Please enter an integer between " + lo + " and " + hi + "!";
}

std::string StandardRangeMessage(int min, int max) {
    return "“请填入一个在" + std::to_string(min) + "和" + std::to_string(max) + "之间的整数。”";
}

std::string StandardLengthMessage(int maxChars) {
    return "“请填入不多于" + std::to_string(maxChars) + "个的字符。”";
}

std::string NotAnIntegerMessage() {
    return "请键入一个整数。";
}

std::string StandardRangeMessage(int min, int max, int languageIndex) {
    return WithEnglish(StandardRangeMessage(min, max),
                       "Please enter an integer between " + std::to_string(min) + " and " +
                           std::to_string(max) + ".",
                       languageIndex);
}

std::string NotAnIntegerMessage(int languageIndex) {
    return WithEnglish(NotAnIntegerMessage(), "Please enter an integer.", languageIndex);
}

std::string ForbiddenCharacterMessage(std::size_t position, int languageIndex) {
    const std::string at = std::to_string(position);
    return std::string(PickMessage(
        {"第 " + at + " 个字符是控制字符或不可见的格式字符，相机无法使用",
         "character " + at +
             " is a control or invisible formatting character, which the camera cannot take"},
        languageIndex));
}

std::string UnrepresentableMessage(std::size_t position, std::string_view shown,
                                   std::string_view codePage, int languageIndex) {
    const std::string at = std::to_string(position);
    // Appended rather than " " + Quoted(...): GCC 12 at -O3 warns wrongly on the latter.
    std::string named;
    if (!shown.empty()) {
        named.append(" ").append(Quoted(shown));
    }
    const std::string page(codePage);
    return std::string(PickMessage(
        {"第 " + at + " 个字符" + named + " 无法用 " + page + " 编码写入文件",
         "character " + at + named + " cannot be written in the file's code page (" + page + ")"},
        languageIndex));
}

std::string WriteFailureMessage(const std::string& path, const WriteResult& result,
                                int languageIndex) {
    const std::string reason =
        result.differs ? std::string(PickMessage(
                             {"卡上的数据与写入的数据不同；请换一张卡或读卡器", kReadBackDiffers},
                             languageIndex))
                       : result.error;
    if (languageIndex == kChinese) {
        return "无法写入文件 " + Printable(path) + "：" + reason +
               (result.previousKept ? "\n原有文件未被改动。" : "");
    }
    return "Could not write " + Printable(path) + ": " + reason +
           (result.previousKept ? "\nThe previous file was left unchanged." : "");
}

}  // namespace tov
