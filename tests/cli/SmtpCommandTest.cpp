#include "cli/CommandLine.h"

#include "cli/CliRun.h"
#include "common/ConfigFile.h"
#include "common/FilePath.h"
#include "smtp/core/SmtpFile.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;

class SmtpCommandTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; }, codec};
    TempDir dir;
    std::vector<std::string> prompts;

    SmtpCommandTest() {
        env.readSecret = [this](std::string_view prompt, std::ostream&) {
            prompts.emplace_back(prompt);
            return std::optional<std::string>("typed-secret");
        };
    }

    /// `smtp --out DIR` for a model, with what Generate needs unless `args` set it, then more
    /// arguments.
    CliRun Smtp(const std::string& model, const std::vector<std::string>& args) {
        std::vector<std::string> all = {"smtp", "--out", dir.str(), "--model", model};
        for (const std::string setting :
             {"smtpServer=smtp.example.com", "port=465", "senderEmail=cam01@example.com",
              "senderPassword=pw-123", "recipientEmail=me@example.org"}) {
            const std::string key = setting.substr(0, setting.find('=') + 1);
            if (std::none_of(args.begin(), args.end(),
                             [&](const std::string& arg) { return arg.starts_with(key); })) {
                all.insert(all.end(), {"--set", setting});
            }
        }
        all.insert(all.end(), args.begin(), args.end());
        return Run(all);
    }
    CliRun Run(const std::vector<std::string>& args) { return test::RunCli(args, env); }
    std::filesystem::path SmtpPath() const { return dir.path() / "smtp.dat"; }
};

// What the form writes after the same entries (see the form tests).
SmtpSettings FormEntries(Family family) {
    SmtpSettings s = OpeningSmtpSettings(family);
    s.smtpServer = "smtp.example.com";
    s.port = "465";
    s.senderEmail = "cam01@example.com";
    s.senderPassword = "pw-123";
    s.recipientEmail = "me@example.org";
    return s;
}

TEST_F(SmtpCommandTest, WritesWhatTheFormWrites) {
    const CliRun run = Smtp("2760MG", {"--language", "Deutsch", "--set", "country=United Kingdom",
                                       "--set", "operator=ASDA Mobile", "--set", "maxImages=12",
                                       "--set", "smsRemoteHours=6", "--set", "phoneNumber=+49151"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "Tov 2760 SMTP configuration file has been generated\n" +
                           PathText(ConfigFilePath(dir.str(), kSmtpFileName)) + "\n");
    SmtpSettings expected = FormEntries(Family::First);
    expected.countryIndex = 3;
    expected.operatorIndex = 7;
    expected.maxImages = 12;
    expected.smsRemoteHours = 6;
    expected.phoneNumber = "+49151";
    EXPECT_EQ(ReadBytes(SmtpPath()),
              BuildSmtpFile(WithGprsPreset(expected), Family::First, kDeutsch));

    // Manual from a settings file, the SMTP status of the 9030MG by its entry.
    const auto json = dir.path() / "card.json";
    std::ofstream(json) << R"({"mode": "Manual", "apn": "web.example", "account": "me",
                               "gprsPassword": "pw", "smtpStatus": "SMS", "smsRemoteHours": "Off"})";
    const CliRun manual = Smtp("9030MG", {"--settings", json.string()});
    ASSERT_EQ(manual.code, kExitOk) << manual.err;
    SmtpSettings typed = FormEntries(Family::Second);
    typed.mode = kSmtpManual;
    typed.apn = "web.example";
    typed.account = "me";
    typed.gprsPassword = "pw";
    typed.smtpStatus = 2;
    EXPECT_EQ(ReadBytes(SmtpPath()), BuildSmtpFile(typed, Family::Second, kEnglish));
}

TEST_F(SmtpCommandTest, RefusesWhatTheFormCannotProduce) {
    struct Refusal {
        const char* model;
        std::vector<std::string> args;
        std::string message;
    };
    const Refusal refused[] = {
        {"9030M", {}, "--model: Tov 9030M has no e-mail settings; the MG models have"},
        {"2740MG",
         {"--set", "smtpStatus=SMS"},
         "smtpStatus: not a setting of the Tov 2740MG; allowed settings: "},
        {"9030MG",
         {"--set", "apn=web"},
         "apn: is typed in Manual mode only; Auto takes the operator's preset"},
        {"9030MG",
         {"--set", "mode=Manual", "--set", "operator=Vodafone", "--set", "apn=web"},
         "operator: \"Vodafone\" is not in the list of the Tov 9030MG; allowed: 0 \"Other\""},
        {"9030MG",
         {"--set", "country=Cyprus", "--set", "operator=1"},
         "operator: \"1\" is not in the list"},
        {"2740MG",
         {"--set", "recipientEmail=" + std::string(30, 'a') + "@b.com"},
         "recipientEmail: is 36 bytes long; at most 32 bytes fit"},
        {"9030MG",
         {"--set", "senderEmail=hans.müller@web.de"},
         "senderEmail: \"hans.müller@web.de\" has a character outside ASCII at character 7"},
        {"9030MG", {"--set", "smtpServer=smtp.müller.de"}, "smtpServer: \"smtp.müller.de\""},
        {"9030MG", {"--set", "maxImages=100"}, "maxImages: “请填入一个在0和99之间的整数。”"},
        {"9030MG", {"--set", "smsRemoteHours=26"}, "smsRemoteHours: \"26\" is not in the list"},
        // A value the form needs says so where the form only names the field.
        {"9030MG", {"--set", "mode=Manual"}, "apn: GPRS APN is required\n"},
        {"9030MG", {"--set", "smtpServer="}, "smtpServer: Smtp Server is required\n"},
        {"9030MG", {"--set", "port="}, "port: Port is required\n"},
        {"9030MG", {"--set", "port=-"}, "port: Port is required: at least 2 characters\n"},
        {"9030MG", {"--set", "port=80a80"}, "port: the port must be a number from 1 to 65535\n"},
        {"9030MG", {"--tv-mode", "1"}, "--tv-mode"},
        // Refused before the password is asked for.
        {"9030MG",
         {"--set", "senderPassword=-", "--set", "senderPassword=x"},
         "--set: \"senderPassword\" is given twice: by --set number 5 and number 6\n"},
    };
    for (const Refusal& refusal : refused) {
        const CliRun run = Smtp(refusal.model, refusal.args);
        EXPECT_EQ(run.code, kExitBadInput) << refusal.message;
        EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(prompts.empty());

    // A 40-byte address fits the 9030MG, and a 3-digit phone number the 2740MG.
    EXPECT_EQ(Smtp("9030MG", {"--set", "recipientEmail=" + std::string(34, 'a') + "@b.com"}).code,
              kExitOk);
    EXPECT_EQ(Smtp("2740MG", {"--set", "phoneNumber=123"}).code, kExitOk);
}

TEST_F(SmtpCommandTest, PasswordsFromInputAndMaskedByInspect) {
    const CliRun run = Smtp("9030MG", {"--set", "senderPassword=-"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(prompts, std::vector<std::string>{"senderPassword: "});
    EXPECT_EQ(RecordText(ReadRecordFile(ReadBytes(SmtpPath())).plain[7]), "typed-secret");

    // inspect finds smtp.dat in the folder and hides the password unless asked.
    const CliRun masked = Run({"inspect", dir.str()});
    EXPECT_EQ(masked.code, kExitOk) << masked.err;
    EXPECT_NE(masked.out.find("senderPassword     "), std::string::npos);
    EXPECT_NE(masked.out.find("(12 bytes, hidden)"), std::string::npos);
    EXPECT_EQ(masked.out.find("typed-secret"), std::string::npos);
    EXPECT_NE(masked.out.find("result: valid"), std::string::npos);
    const CliRun shown = Run({"inspect", SmtpPath().string(), "--show-secrets", "--model", "4"});
    EXPECT_NE(shown.out.find("\"typed-secret\""), std::string::npos);

    env.readSecret = [](std::string_view, std::ostream&) {
        return std::optional<std::string>();
    };
    std::filesystem::remove(SmtpPath());
    const CliRun ended = Smtp("9030MG", {"--set", "senderPassword=-"});
    EXPECT_EQ(ended.code, kExitBadInput);
    EXPECT_EQ(ended.err, "senderPassword: no value on standard input\n");
    EXPECT_FALSE(std::filesystem::exists(SmtpPath()));
}

}  // namespace
}  // namespace tov::cli
