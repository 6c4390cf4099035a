#include "smtp/core/SmtpChoices.h"

#include "common/ContactChecks.h"
#include "smtp/core/GprsCatalogue.h"
#include "smtp/core/SmtpTexts.h"

namespace tov {

std::vector<std::string_view> SmtpChoices(int list, Family family, int languageIndex,
                                          const SmtpSettings& current) {
    const SmtpTexts& texts = SmtpTextsFor(languageIndex);
    const bool manual = current.mode == kSmtpManual;
    std::vector<std::string_view> entries;
    switch (list) {
    case kSmtpModeList:
        return {texts.autoMode, texts.manualMode};
    case kSmtpCountryList:
        if (manual) {
            return {kSmtpOtherEntry};
        }
        for (int country = 0; country < GprsCountryCount(); ++country) {
            entries.push_back(GprsCountryName(country));
        }
        return entries;
    case kSmtpOperatorList:
        if (manual) {
            return {kSmtpOtherEntry};
        }
        for (int op = 0; op < GprsOperatorCount(current.countryIndex); ++op) {
            entries.push_back(GprsOperatorName(current.countryIndex, op));
        }
        return entries;
    case kSmtpStatusList:
        if (family == Family::First) {
            return {};
        }
        return {texts.off, "VGA", "SMS"};
    case kSmsRemoteList: {
        const auto hours = SmsRemoteEntries(texts.off);
        return {hours.begin(), hours.end()};
    }
    default:
        return {};
    }
}

}  // namespace tov
