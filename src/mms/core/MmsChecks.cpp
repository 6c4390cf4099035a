#include "mms/core/MmsChecks.h"

#include "common/ContactChecks.h"
#include "common/FieldTable.h"
#include "mms/core/MmsFields.h"

#include <algorithm>

namespace tov {
namespace {

constexpr MessagePair kPhone1Short{"手机号码错误(01)", "Phone No. Error(01)"};
constexpr MessagePair kPhone2Short{"手机号码错误(02)", "Phone No. Error(02)"};
constexpr MessagePair kPhone3Short{"手机号码错误(03)", "Phone No. Error(03)"};
constexpr MessagePair kOnlyDigits{"手机号码只允许数字(+)",
                                  "Only numbers(+) are allowed phone number"};
constexpr MessagePair kPhoneRecheck{"请重新检查手机号码是否输入正确",
                                    "Please re-check the phone number is entered correctly"};
constexpr MessagePair kPhoneOrEmailRecheck{
    "请重新检查手机号码或者email地址是否输入正确",
    "Please re-check the phone number or email address is entered correctly"};
constexpr MessagePair kNoRecipient{"手机号码和Email错误(0)", "Phone & Email Error(0)"};
constexpr MessagePair kUrlEmpty{"彩信网址错误(0)", "URL Error(0)"};
constexpr MessagePair kApnEmpty{"APN 错误(0)", "APN Error(0)"};
constexpr MessagePair kGatewayEmpty{"彩信网关错误(0)", "GateWay Error(0)"};
constexpr MessagePair kPortEmpty{"彩信端口错误(0)", "Port Error(0)"};
constexpr MessagePair kGatewayDot{"彩信网关错误(.)", "GateWay Error(.)"};
constexpr MessagePair kSetPhone1{"请设置手机号码1", "Phone No. Error(01)"};

// Numbers shorter than this are refused; from this length on their bytes are checked.
constexpr std::size_t kShortestNumber = 5;
constexpr PerFamily<int> kDomesticLimit{11, 12};
// An international number may fill the whole field.
constexpr const Field<MmsSettings>& kPhone1Row = *FindField(MmsFieldTable(), "phone1");

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool TooShort(const std::string& number) {
    return !number.empty() && number.size() < kShortestNumber;
}

bool Checked(const std::string& number) {
    return number.size() >= kShortestNumber;
}

bool DigitsOrPlus(const std::string& number) {
    return std::all_of(number.begin(), number.end(), [](char c) { return IsDigit(c) || c == '+'; });
}

std::optional<MmsProblem> ShortNumbers(const MmsSettings& s) {
    if (TooShort(s.phone1)) {
        return MmsProblem{"phone1", kPhone1Short};
    }
    if (TooShort(s.phone2)) {
        return MmsProblem{"phone2", kPhone2Short};
    }
    if (TooShort(s.phone3)) {
        return MmsProblem{"phone3", kPhone3Short};
    }
    return std::nullopt;
}

// Digits only; an international number's first byte is not checked, so that it may be "+".
std::optional<MmsProblem> Phone1Digits(const MmsSettings& s) {
    const std::size_t first = s.phoneFormat == kInternational ? 1 : 0;
    if (Checked(s.phone1) && !std::all_of(s.phone1.begin() + static_cast<std::ptrdiff_t>(first),
                                          s.phone1.end(), IsDigit)) {
        return MmsProblem{"phone1", kOnlyDigits};
    }
    return std::nullopt;
}

std::optional<MmsProblem> SmsChecks(const MmsSettings& s) {
    if (auto problem = ShortNumbers(s)) {
        return problem;
    }
    if (auto problem = Phone1Digits(s)) {
        return problem;
    }
    if (Checked(s.phone2) && !DigitsOrPlus(s.phone2)) {
        return MmsProblem{"phone2", kPhoneRecheck};
    }
    if (Checked(s.phone3) && !DigitsOrPlus(s.phone3)) {
        return MmsProblem{"phone3", kPhoneRecheck};
    }
    return std::nullopt;
}

// A phone-or-e-mail field holding "@" is an e-mail address and not checked further.
bool BadPhoneOrEmail(const std::string& text) {
    return Checked(text) && text.find('@') == std::string::npos && !DigitsOrPlus(text);
}

std::optional<MmsProblem> MmsChecks(const MmsSettings& s) {
    if (s.phone1.empty() && s.email.empty()) {
        return MmsProblem{"phone1", kNoRecipient};
    }
    if (auto problem = ShortNumbers(s)) {
        return problem;
    }
    if (auto problem = Phone1Digits(s)) {
        return problem;
    }
    if (BadPhoneOrEmail(s.phone2)) {
        return MmsProblem{"phone2", kPhoneOrEmailRecheck};
    }
    if (BadPhoneOrEmail(s.phone3)) {
        return MmsProblem{"phone3", kPhoneOrEmailRecheck};
    }
    if (!s.email.empty()) {
        if (const auto problem = EmailAddressProblem(s.email)) {
            return MmsProblem{"email", *problem};
        }
    }
    if (s.mode != kMmsManual) {
        return std::nullopt;  // the preset supplies the access data
    }
    struct Required {
        std::string_view key;
        const std::string MmsSettings::*text;
        MessagePair empty;
    };
    constexpr Required required[] = {{"url", &MmsSettings::url, kUrlEmpty},
                                     {"apn", &MmsSettings::apn, kApnEmpty},
                                     {"gateway", &MmsSettings::gateway, kGatewayEmpty},
                                     {"port", &MmsSettings::port, kPortEmpty}};
    for (const Required& each : required) {
        if ((s.*each.text).empty()) {
            return MmsProblem{each.key, each.empty};
        }
    }
    if (s.gateway.find('.') == std::string::npos) {
        return MmsProblem{"gateway", kGatewayDot};
    }
    if (const auto problem = PortNumberProblem(s.port)) {
        return MmsProblem{"port", *problem};
    }
    return std::nullopt;
}

}  // namespace

int Phone1Limit(Family family, int phoneFormat) {
    if (phoneFormat == kInternational) {
        return MaxFor(kPhone1Row, family);
    }
    return kDomesticLimit[family];
}

std::string Phone1TooLongMessage(int limit, int languageIndex) {
    const std::string digits = std::to_string(limit);
    if (languageIndex == kChinese) {
        return "最大允许手机号码位数 " + digits + "!";
    }
    return "The max allowable number of digits phone " + digits + "!";
}

std::optional<MmsProblem> CheckMmsRecipients(const MmsSettings& settings, bool smsChosen) {
    return smsChosen ? SmsChecks(settings) : MmsChecks(settings);
}

std::optional<MmsProblem> CheckMmsRemoteControl(const MmsSettings& settings) {
    if (settings.smsRemoteHours != kSmsRemoteOff && settings.phone1.size() < kShortestNumber) {
        return MmsProblem{"phone1", kSetPhone1};
    }
    return std::nullopt;
}

std::optional<MmsProblem> ValidateMmsSettings(const MmsSettings& settings, bool smsChosen) {
    if (auto problem = CheckMmsRecipients(settings, smsChosen)) {
        return problem;
    }
    return CheckMmsRemoteControl(settings);
}

}  // namespace tov
