#include "mms/core/MmsRules.h"

#include "common/Models.h"
#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsChecks.h"
#include "mms/core/MmsChoices.h"

#include <algorithm>

namespace tov {
namespace {

/// The mode's English entry, for "use --set mode=Manual".
std::string ModeHint(const ModelInfo& model, int mode) {
    const auto entries = MmsChoices(kMmsModeList, model, kEnglish, mode, 0);
    return "--set mode=" + std::string(entries[static_cast<std::size_t>(mode)]);
}

std::optional<std::string> ModeRefusal(const ModelInfo& model, const SettingTexts& texts,
                                       const MmsSettings& s, int languageIndex) {
    const auto given = [&texts](std::string_view key) {
        return texts.contains(key);
    };
    if (s.mode == kMmsAuto) {
        const std::string hint = ModeHint(model, kMmsManual);
        // The rows Auto locks: the form does not take them.
        if (const auto key = FirstLockedKey(MmsFieldTable(), texts, s)) {
            return KeyMessage(*key,
                              PickMessage({"自动模式下由运营商预设设置；请使用 " + hint,
                                           "the operator preset sets it in Auto mode; use " + hint},
                                          languageIndex));
        }
        if (s.bearer != 0) {
            return KeyMessage(MmsKey("bearer").name(),
                              PickMessage({"自动模式下只有 APN；请使用 " + hint,
                                           "Auto mode offers APN only; use " + hint},
                                          languageIndex));
        }
        return std::nullopt;
    }
    const std::string hint = ModeHint(model, kMmsAuto);
    for (const FieldKey key : {MmsKey("country"), MmsKey("operator")}) {
        if (given(key.name())) {
            return KeyMessage(key.name(),
                              PickMessage({"手动模式下没有运营商列表；请使用 " + hint,
                                           "Manual mode has no operator list; use " + hint},
                                          languageIndex));
        }
    }
    return std::nullopt;
}

// The form empties both Phone or Email fields whenever Phone No or Email is edited to fewer
// bytes than unlock them, and the second whenever the first is.
std::optional<std::string> LockRefusal(const MmsSettings& s, const ModelInfo& model,
                                       int languageIndex) {
    const std::string least = std::to_string(kUnlockingLength);
    const MmsEditable editable = MmsEditability(s, model);
    if (!s.phone2.empty() && !editable.phone2Reachable) {
        return KeyMessage(
            MmsKey("phone2").name(),
            PickMessage({"表格中此项保持锁定，除非手机号码或 Email 至少有 " + least + " 个字符",
                         "the form keeps it locked unless Phone No, or an Email with \"@\", "
                         "holds " +
                             least + " or more characters"},
                        languageIndex));
    }
    if (!s.phone3.empty() && !editable.phone3Reachable) {
        return KeyMessage(
            MmsKey("phone3").name(),
            PickMessage(
                {"表格中此项保持锁定，除非 phone2 至少有 " + least + " 个字符",
                 "the form keeps it locked unless phone2 holds " + least + " or more characters"},
                languageIndex));
    }
    return std::nullopt;
}

}  // namespace

MmsSettings OpeningMmsSettings(int modelIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    MmsSettings settings;
    ApplyOpening(MmsFieldTable(), model.family, settings, [&model](int list) {
        return static_cast<int>(MmsChoices(list, model, kEnglish, kMmsAuto, 0).size());
    });
    return settings;
}

bool LoadMmsPreset(MmsSettings& settings, int country, int op) {
    const MmsPreset* preset = FindMmsPreset(country, op);
    if (preset == nullptr) {
        return false;
    }
    settings.countryIndex = country;
    settings.operatorIndex = op;
    settings.url = preset->url;
    settings.apn = preset->apn;
    settings.gateway = preset->gateway;
    settings.port = preset->port;
    settings.account = preset->account;
    settings.mmsPassword = preset->password;
    return true;
}

MmsEditable MmsEditability(const MmsSettings& s, const ModelInfo& model) {
    const bool sms = MmsSmsChosen(model, s.mmsSend);
    MmsEditable editable;
    editable.phone2Reachable =
        s.phone1.size() >= kUnlockingLength ||
        (s.email.size() >= kUnlockingLength && s.email.find('@') != std::string::npos);
    editable.phone3Reachable = editable.phone2Reachable && s.phone2.size() >= kUnlockingLength;
    editable.access = s.mode == kMmsManual && !sms;
    editable.email = !sms;
    editable.phone2 = !sms && editable.phone2Reachable;
    editable.phone3 = !sms && editable.phone3Reachable;
    return editable;
}

MmsSettingsResult ApplyMmsSettings(int modelIndex, const SettingTexts& texts, int languageIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    MmsSettingsResult result{OpeningMmsSettings(modelIndex), std::nullopt};
    MmsSettings& s = result.settings;
    // Every entry either mode can show: the catalogue's countries and, as the table lists the
    // country first, the operators of the country already taken; "APN" and "CSD". What the
    // chosen mode does not offer is refused below with its reason.
    const SettingContext context{
        ModelDisplayName(modelIndex), languageIndex,
        [&model, &s](int list) {
            const int mode = list == kMmsBearerList ? kMmsManual : kMmsAuto;
            return MmsChoices(list, model, kEnglish, mode, s.countryIndex);
        },
        [](int list) {
            std::vector<std::string_view> names;
            for (int c = 0; list == kMmsCountryList && c < MmsCountryCount(); ++c) {
                names.push_back(MmsCountryEnglishName(c));
            }
            return names;
        }};
    result.error = ApplySettingTexts(MmsFieldTable(), model.family, texts, s, context);
    if (!result.error) {
        result.error = ModeRefusal(model, texts, s, languageIndex);
    }
    const int limit = Phone1Limit(model.family, s.phoneFormat);
    if (!result.error && static_cast<int>(s.phone1.size()) > limit) {
        result.error =
            KeyMessage(MmsKey("phone1").name(), Phone1TooLongMessage(limit, languageIndex));
    }
    if (!result.error) {
        result.error = LockRefusal(s, model, languageIndex);
    }
    return result;
}

}  // namespace tov
