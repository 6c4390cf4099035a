#include "mms/core/MmsChecks.h"
#include "mms/core/MmsRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tov {
namespace {

struct Case {
    const char* name;
    std::function<void(MmsSettings&)> change;
    bool sms;
    const char* key;      // empty: the settings pass
    const char* english;  // the message shown
    const char* chinese;  // the same message when the forms run in Chinese
};

// Manual mode with access data that pass, and `port`.
std::function<void(MmsSettings&)> ManualPort(const char* port) {
    return [port](MmsSettings& s) {
        s.mode = kMmsManual, s.url = "u", s.apn = "a", s.gateway = "g.w", s.port = port;
    };
}

// Starts from a Phone No that every check accepts, in Auto mode with MMS sending.
const Case kCases[] = {
    {"no recipient", [](MmsSettings& s) { s.phone1.clear(); }, false, "phone1",
     "Phone & Email Error(0)", "手机号码和Email错误(0)"},
    {"no recipient with SMS", [](MmsSettings& s) { s.phone1.clear(); }, true, "", "", ""},
    {"email alone", [](MmsSettings& s) { s.phone1.clear(), s.email = "a@b.c"; }, false, "", "", ""},
    {"four-digit phone 1", [](MmsSettings& s) { s.phone1 = "1234"; }, false, "phone1",
     "Phone No. Error(01)", "手机号码错误(01)"},
    {"four-digit phone 1 with SMS", [](MmsSettings& s) { s.phone1 = "1234"; }, true, "phone1",
     "Phone No. Error(01)", "手机号码错误(01)"},
    {"short phone 1 before a bad email", [](MmsSettings& s) { s.phone1 = "12", s.email = "x"; },
     false, "phone1", "Phone No. Error(01)", "手机号码错误(01)"},
    {"short phone 2", [](MmsSettings& s) { s.phone2 = "123"; }, false, "phone2",
     "Phone No. Error(02)", "手机号码错误(02)"},
    {"short phone 3", [](MmsSettings& s) { s.phone3 = "1"; }, true, "phone3", "Phone No. Error(03)",
     "手机号码错误(03)"},
    {"letter in phone 1", [](MmsSettings& s) { s.phone1 = "1234567890a"; }, false, "phone1",
     "Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"},
    {"plus inside phone 1", [](MmsSettings& s) { s.phone1 = "12+45"; }, true, "phone1",
     "Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"},
    {"domestic plus", [](MmsSettings& s) { s.phone1 = "+123456789012"; }, false, "phone1",
     "Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"},
    {"international plus",
     [](MmsSettings& s) { s.phone1 = "+123456789012", s.phoneFormat = kInternational; }, false, "",
     "", ""},
    {"address in phone 2", [](MmsSettings& s) { s.phone2 = "ab@cd"; }, false, "", "", ""},
    {"address in phone 2 with SMS", [](MmsSettings& s) { s.phone2 = "ab@cd"; }, true, "phone2",
     "Please re-check the phone number is entered correctly", "请重新检查手机号码是否输入正确"},
    {"word in phone 3", [](MmsSettings& s) { s.phone3 = "12-45"; }, false, "phone3",
     "Please re-check the phone number or email address is entered correctly",
     "请重新检查手机号码或者email地址是否输入正确"},
    {"email without at", [](MmsSettings& s) { s.email = "ab.c"; }, false, "email", "Email Error(@)",
     "Email 错误(@)"},
    {"email without dot", [](MmsSettings& s) { s.email = "a@b"; }, false, "email", "Email Error(.)",
     "Email 错误(.)"},
    {"at and dot are enough", [](MmsSettings& s) { s.email = "@."; }, false, "", "", ""},
    {"bad email with SMS", [](MmsSettings& s) { s.email = "ab"; }, true, "", "", ""},
    {"manual without url", [](MmsSettings& s) { s.mode = kMmsManual; }, false, "url",
     "URL Error(0)", "彩信网址错误(0)"},
    {"manual without apn", [](MmsSettings& s) { s.mode = kMmsManual, s.url = "u"; }, false, "apn",
     "APN Error(0)", "APN 错误(0)"},
    {"manual without gateway",
     [](MmsSettings& s) { s.mode = kMmsManual, s.url = "u", s.apn = "a"; }, false, "gateway",
     "GateWay Error(0)", "彩信网关错误(0)"},
    {"manual without port",
     [](MmsSettings& s) { s.mode = kMmsManual, s.url = "u", s.apn = "a", s.gateway = "g"; }, false,
     "port", "Port Error(0)", "彩信端口错误(0)"},
    {"manual gateway without dot",
     [](MmsSettings& s) {
         s.mode = kMmsManual, s.url = "u", s.apn = "a", s.gateway = "g", s.port = "80";
     },
     false, "gateway", "GateWay Error(.)", "彩信网关错误(.)"},
    {"auto without port", [](MmsSettings& s) { s.port.clear(); }, false, "", "", ""},
    {"manual port with a letter", ManualPort("80a80"), false, "port",
     "the port must be a number from 1 to 65535", "端口必须是 1 到 65535 之间的数字"},
    {"manual port 65536", ManualPort("65536"), false, "port",
     "the port must be a number from 1 to 65535", "端口必须是 1 到 65535 之间的数字"},
    {"manual port of six digits", ManualPort("008080"), false, "port",
     "the port must be a number from 1 to 65535", "端口必须是 1 到 65535 之间的数字"},
    {"manual port 65535", ManualPort("65535"), false, "", "", ""},
    {"manual with SMS skips the access data", [](MmsSettings& s) { s.mode = kMmsManual; }, true, "",
     "", ""},
    {"remote control without phone 1",
     [](MmsSettings& s) { s.phone1.clear(), s.email = "a@b.c", s.smsRemoteHours = 4; }, false,
     "phone1", "Phone No. Error(01)", "请设置手机号码1"},
    {"remote control with phone 1", [](MmsSettings& s) { s.smsRemoteHours = 0; }, true, "", "", ""},
};

TEST(MmsChecksTest, ChecksRunInOrderWithTheirMessages) {
    for (const Case& c : kCases) {
        MmsSettings s = OpeningMmsSettings(4);
        s.phone1 = "13800138000";
        c.change(s);
        const std::optional<MmsProblem> problem = ValidateMmsSettings(s, c.sms);
        if (std::string(c.key).empty()) {
            EXPECT_FALSE(problem) << c.name << ": " << problem->message.english;
            continue;
        }
        ASSERT_TRUE(problem) << c.name;
        EXPECT_EQ(problem->key, c.key) << c.name;
        EXPECT_EQ(problem->message.english, c.english) << c.name;
        EXPECT_EQ(problem->message.chinese, c.chinese) << c.name;
    }
}

TEST(MmsChecksTest, PhoneLimitFollowsFamilyAndFormat) {
    EXPECT_EQ(Phone1Limit(Family::First, kDomestic), 11);
    EXPECT_EQ(Phone1Limit(Family::Second, kDomestic), 12);
    EXPECT_EQ(Phone1Limit(Family::First, kInternational), 32);
    EXPECT_EQ(Phone1Limit(Family::Second, kInternational), 32);
    EXPECT_EQ(Phone1TooLongMessage(12, kEnglish), "The max allowable number of digits phone 12!");
    EXPECT_EQ(Phone1TooLongMessage(11, kChinese), "最大允许手机号码位数 11!");
}

}  // namespace
}  // namespace tov
