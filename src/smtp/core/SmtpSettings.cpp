#include "smtp/core/SmtpSettings.h"

#include "common/Models.h"
#include "smtp/core/GprsCatalogue.h"
#include "smtp/core/SmtpChecks.h"
#include "smtp/core/SmtpChoices.h"
#include "smtp/core/SmtpFields.h"

namespace tov {

SmtpSettings OpeningSmtpSettings(Family family) {
    SmtpSettings settings;
    ApplyOpening(SmtpFieldTable(), family, settings, [&](int list) {
        return static_cast<int>(SmtpChoices(list, family, kEnglish, settings).size());
    });
    return settings;
}

SmtpSettings WithGprsPreset(SmtpSettings settings) {
    if (settings.mode != kSmtpAuto) {
        return settings;
    }
    const GprsPreset* preset = LookupGprsPreset(settings.countryIndex, settings.operatorIndex);
    settings.apn = preset != nullptr ? preset->apn : "";
    settings.account = preset != nullptr ? preset->account : "";
    settings.gprsPassword = preset != nullptr ? preset->password : "";
    return settings;
}

SmtpSettingsResult ApplySmtpSettings(int modelIndex, const SettingTexts& texts, int languageIndex) {
    const Family family = FamilyOf(modelIndex);
    SmtpSettingsResult result{OpeningSmtpSettings(family), std::nullopt};
    // The lists follow the settings as they are applied: the mode comes before the country,
    // the country before the operator, as on the form.
    const SettingContext context{
        ModelDisplayName(modelIndex), languageIndex,
        [&](int list) { return SmtpChoices(list, family, kEnglish, result.settings); },
        [&](int list) {
            // Auto lists the catalogue's countries; Manual only "Other".
            std::vector<std::string_view> names;
            const bool countries = list == kSmtpCountryList && result.settings.mode == kSmtpAuto;
            for (int c = 0; countries && c < GprsCountryCount(); ++c) {
                names.push_back(GprsCountryEnglishName(c));
            }
            return names;
        }};
    result.error = ApplySettingTexts(SmtpFieldTable(), family, texts, result.settings, context);
    if (result.error) {
        return result;
    }
    // The rows Auto locks: the form does not take them.
    if (const auto key = FirstLockedKey(SmtpFieldTable(), texts, result.settings)) {
        result.error = KeyMessage(
            *key, PickMessage({"只在手动模式下输入；自动模式使用运营商的预设",
                               "is typed in Manual mode only; Auto takes the operator's preset"},
                              languageIndex));
        return result;
    }
    result.settings = WithGprsPreset(result.settings);
    if (const auto failure = ValidateSmtpSettings(result.settings, family, languageIndex)) {
        result.error = KeyMessage(failure->key, failure->keyedMessage);
    }
    return result;
}

}  // namespace tov
