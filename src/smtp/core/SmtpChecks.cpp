#include "smtp/core/SmtpChecks.h"

#include "common/ContactChecks.h"
#include "common/FieldTable.h"
#include "smtp/core/GprsCatalogue.h"

#include <vector>

namespace tov {
namespace {

constexpr MessagePair kApnMissing{"请输入GPRS APN", "GPRS APN"};
constexpr MessagePair kServerMissing{"请输入Smtp Server地址", "Smtp Server"};
constexpr MessagePair kPortMissing{"请设置端口", "Port"};
constexpr MessagePair kAddressMissing{"请输入Email", "Please Input Email"};
constexpr MessagePair kSenderPasswordMissing{"请输入发送者邮箱密码", "Sender Email Password"};
constexpr MessagePair kPhoneWrong{"手机号码错误", "Phone No. Error"};
constexpr MessagePair kPlaceholderPreset{
    "此运营商的预设没有可用的 GPRS 数据；请选择手动模式（Manual）并输入运营商的接入数据",
    "this operator's preset holds no working GPRS data; choose Smtp Mode Manual and type the "
    "operator's access data"};

// A text the form needs is at least this long; a phone number the camera can text at least
// kPhoneMinimum.
constexpr std::size_t kTextMinimum = 2;
constexpr std::size_t kPhoneMinimum = 5;

// Whether the family refuses a short phone number also while SMS Remote Control is Off.
constexpr PerFamily<bool> kRefusesShortPhoneAlways{false, true};

std::optional<MessagePair> AddressProblem(const std::string& address) {
    if (address.size() < kTextMinimum) {
        return kAddressMissing;
    }
    return EmailAddressProblem(address);
}

}  // namespace

std::optional<SmtpCheckFailure> ValidateSmtpSettings(const SmtpSettings& s, Family family,
                                                     int languageIndex) {
    const std::size_t phone = s.phoneNumber.size();
    const bool shortPhone = phone > 0 && phone < kPhoneMinimum;
    const bool remoteOn = s.smsRemoteHours != kSmsRemoteOff;
    const bool refusesAlways = kRefusesShortPhoneAlways[family];

    struct Check {
        std::string_view key;
        std::optional<MessagePair> problem;
        const std::string* required = nullptr;  // the text a value must be given for
    };
    // A catalogue row without real data would write a file the camera cannot use.
    const bool placeholder =
        s.mode == kSmtpAuto && !GprsPresetPlaceholder(s.countryIndex, s.operatorIndex).empty();
    const std::vector<Check> checks = {
        {"operator", placeholder ? std::optional(kPlaceholderPreset) : std::nullopt},
        {"apn",
         s.mode == kSmtpManual && s.apn.size() < kTextMinimum ? std::optional(kApnMissing)
                                                              : std::nullopt,
         &s.apn},
        {"smtpServer",
         s.smtpServer.size() < kTextMinimum ? std::optional(kServerMissing) : std::nullopt,
         &s.smtpServer},
        {"port", s.port.size() < kTextMinimum ? std::optional(kPortMissing) : std::nullopt,
         &s.port},
        {"port", PortNumberProblem(s.port)},
        {"senderEmail", AddressProblem(s.senderEmail)},
        {"senderPassword",
         s.senderPassword.size() < kTextMinimum ? std::optional(kSenderPasswordMissing)
                                                : std::nullopt,
         &s.senderPassword},
        {"recipientEmail", AddressProblem(s.recipientEmail)},
        {"phoneNumber", (refusesAlways && shortPhone) || (remoteOn && phone < kPhoneMinimum)
                            ? std::optional(kPhoneWrong)
                            : std::nullopt},
    };
    for (const Check& check : checks) {
        if (!check.problem) {
            continue;
        }
        SmtpCheckFailure failure{
            check.key, std::string(PickMessage(*check.problem, languageIndex)), {}};
        // The Chinese messages ask for the value already; the English ones only name it.
        const std::string english(check.problem->english);
        const std::string most = std::to_string(kTextMinimum);
        failure.keyedMessage =
            check.required == nullptr ? failure.message
            : check.required->empty()
                ? std::string(PickMessage({check.problem->chinese, english + " is required"},
                                          languageIndex))
                : std::string(PickMessage(
                      {std::string(check.problem->chinese) + "（至少 " + most + " 个字符）",
                       english + " is required: at least " + most + " characters"},
                      languageIndex));
        return failure;
    }
    return std::nullopt;
}

}  // namespace tov
