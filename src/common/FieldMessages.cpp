#include "common/FieldMessages.h"

#include "common/AppState.h"

namespace tov {

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

std::string WriteFailureMessage(const std::string& path, const std::string& reason,
                                int languageIndex) {
    if (languageIndex == kChinese) {
        return "无法写入文件 " + path + "：" + reason + "\n原有文件未被改动。";
    }
    return "Could not write " + path + ": " + reason + "\nThe previous file was left unchanged.";
}

}  // namespace tov
