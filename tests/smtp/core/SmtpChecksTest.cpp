#include "smtp/core/SmtpChecks.h"

#include "smtp/core/SmtpMessages.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

// One change to settings that pass every check (Auto, SMS Remote Control Off), and what each
// family's form says to it ("key: message", "" for a pass).
struct Case {
    std::string SmtpSettings::*text;
    const char* value;
    int mode;
    int smsRemoteHours;
    const char* firstFamily;
    const char* secondFamily;
    const char* chinese;  // the second family's message in Chinese
};

constexpr int kOff = 25;
using S = SmtpSettings;

TEST(SmtpChecks, InTheFormsOrderWithTheirMessages) {
    const Case cases[] = {
        {&S::apn, "", kSmtpAuto, kOff, "", "", ""},
        {&S::apn, "a", kSmtpManual, kOff, "apn: GPRS APN", "apn: GPRS APN", "请输入GPRS APN"},
        {&S::apn, "ab", kSmtpManual, kOff, "", "", ""},
        {&S::smtpServer, "m", kSmtpAuto, kOff, "smtpServer: Smtp Server", "smtpServer: Smtp Server",
         "请输入Smtp Server地址"},
        {&S::port, "2", kSmtpAuto, kOff, "port: Port", "port: Port", "请设置端口"},
        {&S::port, "80a80", kSmtpAuto, kOff, "port: the port must be a number from 1 to 65535",
         "port: the port must be a number from 1 to 65535", "端口必须是 1 到 65535 之间的数字"},
        {&S::port, "65536", kSmtpAuto, kOff, "port: the port must be a number from 1 to 65535",
         "port: the port must be a number from 1 to 65535", "端口必须是 1 到 65535 之间的数字"},
        {&S::port, "65535", kSmtpAuto, kOff, "", "", ""},
        {&S::senderEmail, "a", kSmtpAuto, kOff, "senderEmail: Please Input Email",
         "senderEmail: Please Input Email", "请输入Email"},
        {&S::senderEmail, "ab.c", kSmtpAuto, kOff, "senderEmail: Email Error(@)",
         "senderEmail: Email Error(@)", "Email 错误(@)"},
        {&S::senderEmail, "a@b", kSmtpAuto, kOff, "senderEmail: Email Error(.)",
         "senderEmail: Email Error(.)", "Email 错误(.)"},
        {&S::senderEmail, ".@", kSmtpAuto, kOff, "", "", ""},
        {&S::senderPassword, "p", kSmtpAuto, kOff, "senderPassword: Sender Email Password",
         "senderPassword: Sender Email Password", "请输入发送者邮箱密码"},
        {&S::recipientEmail, "r@st", kSmtpAuto, kOff, "recipientEmail: Email Error(.)",
         "recipientEmail: Email Error(.)", "Email 错误(.)"},
        {&S::phoneNumber, "123", kSmtpAuto, kOff, "", "phoneNumber: Phone No. Error",
         "手机号码错误"},
        {&S::phoneNumber, "", kSmtpAuto, 0, "phoneNumber: Phone No. Error",
         "phoneNumber: Phone No. Error", "手机号码错误"},
        {&S::phoneNumber, "1234", kSmtpAuto, 24, "phoneNumber: Phone No. Error",
         "phoneNumber: Phone No. Error", "手机号码错误"},
        {&S::phoneNumber, "12345", kSmtpAuto, 0, "", "", ""},
    };
    for (const Case& c : cases) {
        SmtpSettings s = OpeningSmtpSettings(Family::Second);
        s.smtpServer = "mx";
        s.port = "25";
        s.senderEmail = "a@b.c";
        s.senderPassword = "pw";
        s.recipientEmail = "r@s.t";
        s.mode = c.mode;
        s.smsRemoteHours = c.smsRemoteHours;
        s.*c.text = c.value;
        for (const auto& [family, expected] :
             {std::pair{Family::First, c.firstFamily}, std::pair{Family::Second, c.secondFamily}}) {
            const auto failure = ValidateSmtpSettings(s, family, kEnglish);
            EXPECT_EQ(failure ? std::string(failure->key) + ": " + failure->message : "", expected)
                << c.value;
        }
        const auto chinese = ValidateSmtpSettings(s, Family::Second, kChinese);
        EXPECT_EQ(chinese ? chinese->message : "", c.chinese) << c.value;
    }
}

TEST(SmtpChecks, ChineseMessagesAndConfirmations) {
    SmtpSettings s = OpeningSmtpSettings(Family::Second);
    EXPECT_EQ(ValidateSmtpSettings(s, Family::First, kEnglish)->key, "smtpServer");
    s.smtpServer = "mx";
    EXPECT_EQ(ValidateSmtpSettings(s, Family::Second, kChinese)->message, "请设置端口");
    EXPECT_EQ(ValidateSmtpSettings(s, Family::Second, kJapanese)->message, "Port");
    EXPECT_EQ(SmtpConfirmation(ModelFor(4), kEnglish),
              "Tov 9030 SMTP configuration file has been generated");
    EXPECT_EQ(SmtpConfirmation(ModelFor(5), kChinese), "Tov 2760 SMTP配置文件已生成");
    EXPECT_EQ(SmtpConfirmation(ModelFor(9), kEnglish),
              "Tov 2740 SMTP configuration file has been generated");
    EXPECT_EQ(NoEmailFormMessage(ModelFor(2), kEnglish),
              "Tov 9030M has no e-mail settings; the MG models have");
}

}  // namespace
}  // namespace tov
