#include "camera/CameraSettingKeys.h"

#include "app/FieldMessages.h"
#include "app/LanguageRules.h"
#include "camera/CameraFieldRules.h"
#include "camera/CameraModelInfo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <type_traits>

namespace tov {
namespace {

using Kind = CameraSettingKind;
constexpr std::array<CameraSettingKey, 28> kKeys = {{
    {"cameraMode", Kind::Choice, CameraList::CameraMode, false},
    {"imageSize", Kind::Choice, CameraList::ImageSize, false},
    {"videoSize", Kind::Choice, CameraList::VideoSize, false},
    {"pictureCount", Kind::Choice, CameraList::PictureCount, false},
    {"timeStamp", Kind::Choice, CameraList::TimeStamp, false},
    {"senseLevel", Kind::Choice, CameraList::SenseLevel, false},
    {"sidePir", Kind::Choice, CameraList::SidePir, false},
    {"videoLength", Kind::Number, std::nullopt, false},
    {"intervalValue", Kind::Number, std::nullopt, false},
    {"intervalUnit", Kind::Choice, CameraList::IntervalUnit, false},
    {"beepSound", Kind::Choice, CameraList::BeepSound, true},
    {"sdCycle", Kind::Choice, CameraList::SdCycle, true},
    {"timer1", Kind::Choice, CameraList::Timer1, false},
    {"timer1StartHour", Kind::Number, std::nullopt, false},
    {"timer1StartMinute", Kind::Number, std::nullopt, false},
    {"timer1StopHour", Kind::Number, std::nullopt, false},
    {"timer1StopMinute", Kind::Number, std::nullopt, false},
    {"timer2", Kind::Choice, CameraList::Timer2, false},
    {"timer2StartHour", Kind::Number, std::nullopt, false},
    {"timer2StartMinute", Kind::Number, std::nullopt, false},
    {"timer2StopHour", Kind::Number, std::nullopt, false},
    {"timer2StopMinute", Kind::Number, std::nullopt, false},
    {"serialOn", Kind::Choice, CameraList::SerialOn, false},
    {"serialChars", Kind::SerialChars, CameraList::SerialChar, false},
    {"timeLapse", Kind::Choice, CameraList::TimeLapse, false},
    {"timeLapseHour", Kind::Number, std::nullopt, false},
    {"timeLapseMinute", Kind::Number, std::nullopt, false},
    {"timeLapseSecond", Kind::Number, std::nullopt, false},
}};

const CameraSettingKey* FindKey(std::string_view key) {
    const auto it = std::find_if(kKeys.begin(), kKeys.end(),
                                 [key](const CameraSettingKey& entry) { return entry.key == key; });
    return it == kKeys.end() ? nullptr : &*it;
}

bool InFamily(const CameraSettingKey& entry, Family family) {
    return !entry.secondFamilyOnly || family == Family::Second;
}

/// The field a list's selection is held in; the serial characters are four fields, set apart.
int* ChoiceField(AnyCameraMenuSettings& settings, CameraList list) {
    CameraMenuSettings& common = CommonSettings(settings);
    switch (list) {
    case CameraList::CameraMode:
        return &common.cameraMode;
    case CameraList::ImageSize:
        return &common.imageSize;
    case CameraList::VideoSize:
        return &common.videoSize;
    case CameraList::PictureCount:
        return &common.pictureCount;
    case CameraList::TimeStamp:
        return &common.timeStamp;
    case CameraList::SenseLevel:
        return &common.senseLevel;
    case CameraList::SidePir:
        return &common.sidePir;
    case CameraList::IntervalUnit:
        return &common.intervalUnit;
    case CameraList::DateFormat:
        return &common.dateFormat;
    case CameraList::BeepSound:
        return &std::get<CameraMenuSettings9030>(settings).beepSound;
    case CameraList::SdCycle:
        return &std::get<CameraMenuSettings9030>(settings).sdCycle;
    case CameraList::Timer1:
        return &common.timer1;
    case CameraList::Timer2:
        return &common.timer2;
    case CameraList::SerialOn:
        return &common.serialOn;
    case CameraList::SerialChar:
        break;
    case CameraList::TimeLapse:
        return &common.timeLapse;
    }
    return nullptr;
}

std::string JoinNames(const std::vector<std::string_view>& names) {
    std::string text;
    for (const std::string_view name : names) {
        if (!text.empty()) {
            text += ", ";
        }
        text += name;
    }
    return text;
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// A choice given as its index or as its list text.
std::optional<int> ParseChoice(std::string_view text, const std::vector<std::string_view>& list) {
    if (AllDigits(text)) {
        const auto index = ParseInt(text);
        if (index && *index < static_cast<int>(list.size())) {
            return index;
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (SameIgnoringCase(text, list[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> SerialCharIndex(char c) {
    const std::size_t index = kSerialAlphabet.find(AsciiUpper(c));
    return index == std::string_view::npos ? std::nullopt
                                           : std::optional<int>(static_cast<int>(index));
}

std::string Prefixed(std::string_view key, std::string_view message) {
    return std::string(key) + ": " + std::string(message);
}

std::string KeyRefusal(const CameraSettingKey* entry, std::string_view key, int modelIndex,
                       int languageIndex) {
    const std::string allowed = JoinNames(CameraSettingKeyNames(FamilyOf(modelIndex)));
    const std::string model = ModelDisplayName(modelIndex);
    const std::string chinese = entry == nullptr
                                    ? "未知的设置项；可用的设置项：" + allowed
                                    : model + " 没有此设置项；可用的设置项：" + allowed;
    const std::string english =
        entry == nullptr ? "unknown setting; allowed settings: " + allowed
                         : "not a setting of the " + model + "; allowed settings: " + allowed;
    return Prefixed(key, PickMessage({chinese, english}, languageIndex));
}

std::string ChoiceRefusal(std::string_view key, std::string_view text,
                          const std::vector<std::string_view>& list, int modelIndex,
                          int languageIndex) {
    std::string allowed;
    for (std::size_t i = 0; i < list.size(); ++i) {
        allowed += (i == 0 ? "" : ", ") + std::to_string(i) + " \"" + std::string(list[i]) + "\"";
    }
    if (allowed.empty()) {
        allowed = PickMessage({"（无）", "(none)"}, languageIndex);
    }
    const std::string quoted = "\"" + std::string(text) + "\"";
    const std::string model = ModelDisplayName(modelIndex);
    const std::string chinese = quoted + " 不在 " + model + " 的选项列表中；可选：" + allowed;
    const std::string english =
        quoted + " is not in the list of the " + model + "; allowed: " + allowed;
    return Prefixed(key, PickMessage({chinese, english}, languageIndex));
}

std::string SerialRefusal(std::string_view text, int languageIndex) {
    const std::string quoted = "\"" + std::string(text) + "\"";
    return Prefixed("serialChars",
                    PickMessage({quoted + " 必须是四个 0-9 或 A-Z 的字符（例如 A9Z0）",
                                 quoted + " must be four characters of 0-9 and A-Z (e.g. A9Z0)"},
                                languageIndex));
}

}  // namespace

std::span<const CameraSettingKey> AllCameraSettingKeys() {
    return kKeys;
}

std::vector<std::string_view> CameraSettingKeyNames(Family family) {
    std::vector<std::string_view> names;
    for (const CameraSettingKey& entry : kKeys) {
        if (InFamily(entry, family)) {
            names.push_back(entry.key);
        }
    }
    return names;
}

AnyCameraMenuSettings OpeningCameraSettings(int modelIndex) {
    const CameraModelInfo& info = CameraModelInfoFor(modelIndex);
    if (info.family == Family::Second) {
        return CameraMenuSettings9030{};
    }
    CameraMenuSettings2740 settings;
    if (info.imageSizes.empty()) {
        settings.imageSize = -1;
    }
    return settings;
}

CameraMenuSettings& CommonSettings(AnyCameraMenuSettings& settings) {
    return std::visit([](auto& s) -> CameraMenuSettings& { return s; }, settings);
}

const CameraMenuSettings& CommonSettings(const AnyCameraMenuSettings& settings) {
    return std::visit([](const auto& s) -> const CameraMenuSettings& { return s; }, settings);
}

MenuRecord BuildMenuRecordFor(const AnyCameraMenuSettings& settings, ClockSnapshot& clock,
                              int languageByte, int tvMode) {
    return std::visit(
        [&](const auto& s) {
            if constexpr (std::is_same_v<std::decay_t<decltype(s)>, CameraMenuSettings9030>) {
                return BuildMenuRecord9030(s, clock, languageByte, tvMode);
            } else {
                return BuildMenuRecord2740(s, clock, languageByte, tvMode);
            }
        },
        settings);
}

CameraSettingsResult ApplyCameraSettings(int modelIndex, const CameraSettingTexts& texts,
                                         int languageIndex) {
    CameraSettingsResult result{OpeningCameraSettings(modelIndex), std::nullopt};
    const Family family = FamilyOf(modelIndex);

    for (const auto& [key, text] : texts) {
        const CameraSettingKey* entry = FindKey(key);
        if (entry == nullptr || !InFamily(*entry, family)) {
            result.error = KeyRefusal(entry, key, modelIndex, languageIndex);
            return result;
        }
    }

    // Numbers in the order in which the form reads and checks its fields.
    CameraMenuSettings& common = CommonSettings(result.settings);
    for (const CameraFieldCheck& check : CameraReadOrder(family)) {
        const auto given = check.member == nullptr ? texts.end() : texts.find(check.key);
        if (given == texts.end()) {
            continue;
        }
        const auto value = ParseInt(given->second);
        if (!value) {
            result.error = Prefixed(check.key, NotAnIntegerMessage());
            return result;
        }
        common.*check.member = *value;
        if (*value < check.min || *value > check.max) {
            const std::string message = check.kind == CheckKind::ToolRange
                                            ? RangeMessage(check.min, check.max, languageIndex)
                                            : FieldRangeMessage(check.min, check.max);
            result.error = Prefixed(check.key, message);
            return result;
        }
    }

    for (const CameraSettingKey& entry : kKeys) {
        const auto given = texts.find(entry.key);
        if (given == texts.end() || entry.kind == Kind::Number) {
            continue;
        }
        const std::string& text = given->second;
        if (entry.kind == Kind::SerialChars) {
            if (text.size() != common.serialChars.size()) {
                result.error = SerialRefusal(text, languageIndex);
                return result;
            }
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto index = SerialCharIndex(text[i]);
                if (!index) {
                    result.error = SerialRefusal(text, languageIndex);
                    return result;
                }
                common.serialChars[i] = *index;
            }
            continue;
        }
        const auto list = CameraChoices(*entry.list, modelIndex, kEnglish);
        const auto index = ParseChoice(text, list);
        if (!index) {
            result.error = ChoiceRefusal(entry.key, text, list, modelIndex, languageIndex);
            return result;
        }
        *ChoiceField(result.settings, *entry.list) = *index;
    }
    return result;
}

std::string ModelDisplayName(int modelIndex) {
    if (modelIndex >= 1 && modelIndex <= kModelCount) {
        return std::string(ModelListEntries()[static_cast<std::size_t>(modelIndex - 1)]);
    }
    return "model " + std::to_string(modelIndex);
}

}  // namespace tov
