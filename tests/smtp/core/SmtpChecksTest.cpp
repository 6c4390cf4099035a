#include "smtp/core/SmtpChecks.h"

#include "common/ContactChecks.h"
#include "smtp/core/SmtpMessages.h"

#include <gtest/gtest.h>

#include <functional>

namespace tov {
namespace {

// Settings that pass every check in both families: Auto mode, SMS Remote Control Off.
SmtpSettings Valid() {
    SmtpSettings s = OpeningSmtpSettings(Family::Second);
    s.smtpServer = "mx";
    s.port = "25";
    s.senderEmail = "a@b.c";
    s.senderPassword = "pw";
    s.recipientEmail = "r@s.t";
    return s;
}

struct Case {
    const char* what;
    std::function<void(SmtpSettings&)> change;
    const char* firstFamily;  ///< "key: message", or "" for a pass
    const char* secondFamily;
};

std::string Outcome(const SmtpSettings& s, Family family) {
    const auto failure = ValidateSmtpSettings(s, family, kEnglish);
    return failure ? std::string(failure->key) + ": " + failure->message : "";
}

TEST(SmtpChecks, InTheFormsOrderWithTheirMessages) {
    const Case cases[] = {
        {"valid", [](SmtpSettings&) {}, "", ""},
        {"Manual without APN",
         [](SmtpSettings& s) {
             s.mode = kSmtpManual;
             s.apn = "a";
         },
         "apn: GPRS APN", "apn: GPRS APN"},
        {"Manual with APN",
         [](SmtpSettings& s) {
             s.mode = kSmtpManual;
             s.apn = "ab";
         },
         "", ""},
        {"server before port",
         [](SmtpSettings& s) {
             s.smtpServer = "m";
             s.port = "";
         },
         "smtpServer: Smtp Server", "smtpServer: Smtp Server"},
        {"one-character port", [](SmtpSettings& s) { s.port = "2"; }, "port: Port", "port: Port"},
        {"sender too short", [](SmtpSettings& s) { s.senderEmail = "a"; },
         "senderEmail: Please Input Email", "senderEmail: Please Input Email"},
        {"sender without @", [](SmtpSettings& s) { s.senderEmail = "ab.c"; },
         "senderEmail: Email Error(@)", "senderEmail: Email Error(@)"},
        {"sender without .", [](SmtpSettings& s) { s.senderEmail = "a@b"; },
         "senderEmail: Email Error(.)", "senderEmail: Email Error(.)"},
        {"dot before at, nothing between", [](SmtpSettings& s) { s.senderEmail = ".@"; }, "", ""},
        {"sender password", [](SmtpSettings& s) { s.senderPassword = "p"; },
         "senderPassword: Sender Email Password", "senderPassword: Sender Email Password"},
        {"recipient", [](SmtpSettings& s) { s.recipientEmail = "r@st"; },
         "recipientEmail: Email Error(.)", "recipientEmail: Email Error(.)"},
        {"3-digit phone, remote Off", [](SmtpSettings& s) { s.phoneNumber = "123"; }, "",
         "phoneNumber: Phone No. Error"},
        {"empty phone, remote 0", [](SmtpSettings& s) { s.smsRemoteHours = 0; },
         "phoneNumber: Phone No. Error", "phoneNumber: Phone No. Error"},
        {"4-digit phone, remote 24",
         [](SmtpSettings& s) {
             s.smsRemoteHours = 24;
             s.phoneNumber = "1234";
         },
         "phoneNumber: Phone No. Error", "phoneNumber: Phone No. Error"},
        {"5-digit phone, remote 0",
         [](SmtpSettings& s) {
             s.smsRemoteHours = 0;
             s.phoneNumber = "12345";
         },
         "", ""},
    };
    for (const Case& c : cases) {
        SmtpSettings s = Valid();
        c.change(s);
        EXPECT_EQ(Outcome(s, Family::First), c.firstFamily) << c.what;
        EXPECT_EQ(Outcome(s, Family::Second), c.secondFamily) << c.what;
    }
}

TEST(SmtpChecks, ChineseMessagesAndConfirmations) {
    SmtpSettings s = Valid();
    s.port = "";
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
