#include "mms/core/MmsChoices.h"

#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsTexts.h"

#include <array>

namespace tov {
namespace {

// MMS Send's entries; the first family writes each as its position here.
enum class SendEntry { Off, Vga, Qvga, Sms };

constexpr std::array<std::string_view, 4> kSendWords = {"", "VGA", "QVGA", "SMS"};
constexpr std::array kWithQvga = {SendEntry::Off, SendEntry::Vga, SendEntry::Qvga, SendEntry::Sms};
constexpr std::array kWithoutQvga = {SendEntry::Off, SendEntry::Vga, SendEntry::Sms};

std::vector<SendEntry> SendEntries(const ModelInfo& model) {
    if (model.mmsSendHasQvga) {
        return {kWithQvga.begin(), kWithQvga.end()};
    }
    return {kWithoutQvga.begin(), kWithoutQvga.end()};
}

std::string_view SendWord(SendEntry entry, std::string_view offWord) {
    return entry == SendEntry::Off ? offWord : kSendWords[static_cast<std::size_t>(entry)];
}

}  // namespace

int MmsSmsPosition(const ModelInfo& model) {
    return static_cast<int>(SendEntries(model).size()) - 1;
}

bool MmsSmsChosen(const ModelInfo& model, int mmsSend) {
    return mmsSend == MmsSmsPosition(model);
}

int MmsSendCode(const ModelInfo& model, int mmsSend) {
    const std::vector<SendEntry> entries = SendEntries(model);
    if (model.family == Family::Second || mmsSend < 0 ||
        mmsSend >= static_cast<int>(entries.size())) {
        return mmsSend;
    }
    return static_cast<int>(entries[static_cast<std::size_t>(mmsSend)]);
}

std::string_view MmsSendCodeMeaning(const ModelInfo& model, int code) {
    const std::string_view off = MmsTextsFor(model.family, kEnglish).choices.off;
    const std::vector<SendEntry> entries = SendEntries(model);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (MmsSendCode(model, static_cast<int>(i)) == code) {
            return SendWord(entries[i], off);
        }
    }
    return {};
}

std::vector<std::string_view> MmsChoices(int list, const ModelInfo& model, int languageIndex,
                                         int mode, int country) {
    const MmsTextTable texts = MmsTextsFor(model.family, languageIndex);
    const bool manual = mode == kMmsManual;
    const bool chinese = languageIndex == kChinese;
    switch (list) {
    case kMmsModeList:
        return {texts.choices.autoMode, texts.choices.manualMode};
    case kMmsSendList: {
        std::vector<std::string_view> entries;
        for (const SendEntry entry : SendEntries(model)) {
            entries.push_back(SendWord(entry, texts.choices.off));
        }
        return entries;
    }
    case kMmsBearerList:
        return manual ? std::vector<std::string_view>{"APN", "CSD"}
                      : std::vector<std::string_view>{"APN"};
    case kMmsPhoneFormatList:
        return {texts.choices.domestic, texts.choices.international};
    case kMmsCountryList: {
        if (manual) {
            return {kMmsOtherEntry};
        }
        std::vector<std::string_view> names;
        for (int c = 0; c < MmsCountryCount(); ++c) {
            names.push_back(MmsCountryName(c, chinese));
        }
        return names;
    }
    case kMmsOperatorList: {
        if (manual) {
            return {kMmsOtherEntry};
        }
        std::vector<std::string_view> names;
        for (int op = 0; op < MmsOperatorCount(country); ++op) {
            names.push_back(MmsOperatorName(country, op, chinese));
        }
        return names;
    }
    case kMmsRemoteList: {
        const auto hours = SmsRemoteEntries(texts.labels.smsRemoteOff);
        return {hours.begin(), hours.end()};
    }
    default:
        return {};
    }
}

}  // namespace tov
