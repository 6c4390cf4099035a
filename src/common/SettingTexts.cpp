#include "common/SettingTexts.h"

namespace tov {
namespace {

std::string Joined(const std::vector<std::string_view>& names) {
    std::string text;
    for (const std::string_view name : names) {
        if (!text.empty()) {
            text += ", ";
        }
        text += name;
    }
    return text;
}

std::string Pick(const SettingContext& context, const std::string& chinese,
                 const std::string& english) {
    return std::string(PickMessage({chinese, english}, context.languageIndex));
}

}  // namespace

std::string KeyMessage(std::string_view key, std::string_view message) {
    std::string text = Printable(key);
    text += ": ";
    text += message;
    return text;
}

std::string UnknownKeyMessage(std::string_view key, bool inOtherFamily,
                              const std::vector<std::string_view>& allowed,
                              const SettingContext& context) {
    const std::string keys = Joined(allowed);
    const std::string& model = context.modelName;
    return KeyMessage(
        key, inOtherFamily ? Pick(context, model + " 没有此设置项；可用的设置项：" + keys,
                                  "not a setting of the " + model + "; allowed settings: " + keys)
                           : Pick(context, "未知的设置项；可用的设置项：" + keys,
                                  "unknown setting; allowed settings: " + keys));
}

std::string ChoiceMessage(std::string_view key, std::string_view text,
                          const std::vector<std::string_view>& entries,
                          const SettingContext& context) {
    std::string allowed;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        allowed += (i == 0 ? "" : ", ") + std::to_string(i) + " " + Quoted(entries[i]);
    }
    if (allowed.empty()) {
        allowed = Pick(context, "（无）", "(none)");
    }
    const std::string quoted = Quoted(text);
    const std::string& model = context.modelName;
    return KeyMessage(
        key, Pick(context, quoted + " 不在 " + model + " 的选项列表中；可选：" + allowed,
                  quoted + " is not in the list of the " + model + "; allowed: " + allowed));
}

std::string CharsMessage(std::string_view key, std::string_view text,
                         const std::vector<std::string_view>& alphabet,
                         const SettingContext& context) {
    std::string letters;
    for (const std::string_view entry : alphabet) {
        letters += entry;
    }
    // The alphabet runs 0-9 then A-Z; the message names it by its ends.
    const std::string span =
        letters.size() > 10 ? "0-9 " + Pick(context, "或", "and") + " A-Z" : letters;
    const std::string quoted = Quoted(text);
    return KeyMessage(key, Pick(context, quoted + " 必须是四个 " + span + " 的字符（例如 A9Z0）",
                                quoted + " must be four characters of " + span + " (e.g. A9Z0)"));
}

std::string TextLengthMessage(std::string_view key, std::size_t bytes, int limit,
                              const SettingContext& context) {
    const std::string size = std::to_string(bytes);
    const std::string most = std::to_string(limit);
    return KeyMessage(key, Pick(context, "有 " + size + " 个字节；最多 " + most + " 个字节",
                                "is " + size + " bytes long; at most " + most + " bytes fit"));
}

std::string AsciiTextMessage(std::string_view key, std::string_view text, std::size_t at,
                             const SettingContext& context) {
    const std::string quoted = Quoted(text);
    const std::string position = std::to_string(at + 1);  // counted from 1, as characters are
    return KeyMessage(
        key, Pick(context,
                  quoted + " 的第 " + position + " 个字节不是 ASCII；" + AsciiOnlyMessage(kChinese),
                  quoted + " has a character outside ASCII at byte " + position + "; " +
                      AsciiOnlyMessage(kEnglish)));
}

std::optional<int> FindEntry(std::string_view text, const std::vector<std::string_view>& entries) {
    // Some entries carry spaces the forms show ("Domestic "); nobody types them.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (SameIgnoringCase(TrimSpaces(text), TrimSpaces(entries[i]))) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> ParseChoiceText(std::string_view text,
                                   const std::vector<std::string_view>& entries) {
    if (AllDigits(text)) {
        const auto index = ParseInt(text);
        if (index && *index < static_cast<int>(entries.size())) {
            return index;
        }
        return std::nullopt;
    }
    return FindEntry(text, entries);
}

}  // namespace tov
