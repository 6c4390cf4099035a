#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "common/FilePath.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;

class MmsCommandTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    TempDir dir;

    CliRun Run(std::vector<std::string> args, std::uint16_t langId = 0x0409) {
        const QtFileTextCodec codec = tov::test::CodecOfLanguage(langId);
        CliEnvironment env{prefs, langId, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; },
                           codec};
        return test::RunCli(args, env);
    }
    /// `mms --out DIR` with more arguments.
    CliRun Mms(std::vector<std::string> args, std::uint16_t langId = 0x0409) {
        args.insert(args.begin(), {"mms", "--out", dir.str()});
        return Run(std::move(args), langId);
    }
    std::filesystem::path File() const { return dir.path() / "setup.dat"; }
};

// Manual mode's values come back from inspect below; the MMS form tests compare the form's files
// with this command's.
TEST_F(MmsCommandTest, AutoModeWritesThePresetOfTheNamedOperator) {
    const CliRun run = Mms({"--model", "2760MG", "--language", "Chinese", "--tv-mode", "3", "--set",
                            "country=United Kingdom", "--set", "operator=4", "--set",
                            "phone1=07700900123", "--set", "email=me@example.com"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    // "Chinese" on an English system: English messages, the Chinese language byte.
    EXPECT_EQ(run.out,
              "Tov 2760 MMS configuration file (URL|APN|Gateway|Port ...) has been generated\n" +
                  PathText(File()) + "\n");
    MmsSettings expected = OpeningMmsSettings(5);
    expected.phone1 = "07700900123";
    expected.email = "me@example.com";
    ASSERT_TRUE(LoadMmsPreset(expected, 3, 4));
    EXPECT_EQ(ReadBytes(File()), BuildMmsFile(expected, ModelFor(5), kChinese, 3));
}

TEST_F(MmsCommandTest, RefusesWhatTheFormCannotProduceAndWritesNothing) {
    const std::string password = "mmsPassword=" + std::string("密码密码密码密码密码密码密码密码");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--set", "phone1=12345", "--set", "apn=internet"},
         "apn: the operator preset sets it in Auto mode; use --set mode=Manual\n"},
        {{"--set", "phone1=1234567890123"},
         "phone1: The max allowable number of digits phone 12!\n"},
        {{}, "phone1: Phone & Email Error(0)\n"},
        {{"--set", "phone1=12345", "--set", "email=a@b"}, "email: Email Error(.)\n"},
        {{"--set", "phone1=12345", "--set", "mode=Manual", "--set", "url=u", "--set", "apn=a",
          "--set", "gateway=gw", "--set", "port=80"},
         "gateway: GateWay Error(.)\n"},
        // A password's character is named by its place only.
        {{"--set", "mode=Manual", "--set", "mmsPassword=pw中x"},
         "mmsPassword: character 3 cannot be written in the file's code page (windows-1252)\n"},
        {{"--set", "mode=Manual", "--set", password},
         "mmsPassword: is 32 bytes long; at most 30 bytes fit\n"},
        // Addresses and access data reach the network in ASCII, whatever the code page holds.
        // Quoted as typed, counted in characters from 1, before the code page is applied.
        {{"--set", "phone1=12345", "--set", "email=hans.müller@web.de"},
         "email: \"hans.müller@web.de\" has a character outside ASCII at character 7; only ASCII "
         "characters: this text goes to the operator's network or the mail server\n"},
        {{"--set", "email=中@example.cn"},
         "email: \"中@example.cn\" has a character outside ASCII at character 1; only ASCII "
         "characters: this text goes to the operator's network or the mail server\n"},
        {{"--set", "mode=Manual", "--set", "gateway=10.0.0.1\xC2\xA0"},
         "gateway: \"10.0.0.1\xC2\xA0\" has a character outside ASCII at character 9; only "
         "ASCII characters: this text goes to the operator's network or the mail server\n"},
        // A port is kept as typed, but only as a number a camera can use.
        {{"--set", "phone1=12345", "--set", "mode=Manual", "--set", "url=u", "--set", "apn=a",
          "--set", "gateway=g.w", "--set", "port=80a80"},
         "port: the port must be a number from 1 to 65535\n"},
        {{"--set", "phone1=12345", "--set", "port=80", "--set", "email=a@b.c", "--set", "port=81"},
         "--set: \"port\" is given twice: by --set number 2 and number 4\n"},
        // Catalogue rows without real data: Namibia's placeholders, Australia's "Mic1".
        {{"--set", "phone1=12345", "--set", "country=Namibia"},
         "operator: this operator's preset holds no working MMS data; choose MMS Mode Manual and "
         "type the operator's access data\n"},
        {{"--set", "phone1=12345", "--set", "country=Australia", "--set", "operator=Mic1"},
         "operator: this operator's preset holds no working MMS data; choose MMS Mode Manual and "
         "type the operator's access data\n"},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> all = {"--model", "4", "--language", "English"};
        all.insert(all.end(), args.begin(), args.end());
        // The Chinese password fits in characters but not in the bytes of a Chinese system.
        const CliRun run = Mms(all, message.starts_with("mmsPassword: is") ? 0x0804 : 0x0409);
        EXPECT_EQ(run.code, kExitBadInput) << message;
        EXPECT_EQ(run.err, message);
        EXPECT_TRUE(dir.Entries().empty()) << message;
    }
    const CliRun chinese =
        Mms({"--language", "Chinese", "--model", "1", "--set", "phone1=1234"}, 0x0804);
    EXPECT_EQ(chinese.err, "phone1: 手机号码错误(01)\n");
    // On a Chinese system the text is still quoted as typed, not in the code page's bytes.
    const CliRun account = Mms(
        {"--language", "Chinese", "--model", "1", "--set", "mode=Manual", "--set", "account=帐号"},
        0x0804);
    EXPECT_EQ(account.err, "account: \"帐号\" 的第 1 个字符不是 ASCII；只能使用 ASCII "
                           "字符：此文本发送给运营商网络或邮件服务器\n");
}

// Choices are matched without their surrounding spaces and without case ("Domestic " on the
// form), and countries also by their English names.
TEST_F(MmsCommandTest, ChoicesTrimmedWithoutCaseAndCountriesByEnglishName) {
    const CliRun run =
        Mms({"--model", "4", "--set", "phoneFormat=Domestic", "--set", "country=germany", "--set",
             "operator= t-mobile ", "--set", "phone1=13800138000"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    MmsSettings expected = OpeningMmsSettings(4);
    expected.phone1 = "13800138000";
    ASSERT_TRUE(LoadMmsPreset(expected, 2, 1));  // Deutschland, T-Mobile
    EXPECT_EQ(ReadBytes(File()), BuildMmsFile(expected, ModelFor(4), kEnglish, 0));
    EXPECT_EQ(Mms({"--set", "phone1=13800138000", "--set", "country=Austria"}).code, kExitOk);
    EXPECT_EQ(Mms({"--set", "phone1=13800138000", "--set", "country=Atlantis"}).code,
              kExitBadInput);
}

// Every key, set away from its opening value, comes back from inspect with the meaning it was
// given, for every model, in both modes.
TEST_F(MmsCommandTest, EveryKeyRoundTripsThroughTheFileAndInspect) {
    const std::map<std::string, std::string> common = {
        {"mmsSend", "Off"},      {"pictureLimit", "99"},       {"phoneFormat", "International"},
        {"smsRemoteHours", "0"}, {"phone1", "+4917012345678"}, {"email", "me@example.com"},
        {"phone2", "a@b.cd"},    {"phone3", "+4917012345679"}};
    const std::map<std::string, std::string> automatic = {{"country", "Cayman Islands"},
                                                          {"operator", "Digicel"}};
    const std::map<std::string, std::string> manual = {
        {"mode", "Manual"},     {"bearer", "CSD"},       {"url", "http://mms.example/"},
        {"apn", "mms.example"}, {"gateway", "10.1.2.3"}, {"port", "9201"},
        {"account", "user"},    {"mmsPassword", "pass"}};
    const std::map<std::string, std::string> meanings = {{"smsRemoteHours", "0 hours"},
                                                         {"mmsPassword", "(4 bytes, hidden)"}};
    for (const ModelInfo& model : Models()) {
        for (const auto* mode : {&automatic, &manual}) {
            SCOPED_TRACE(std::string(model.name) + (mode == &manual ? " Manual" : " Auto"));
            std::map<std::string, std::string> given = common;
            given.insert(mode->begin(), mode->end());
            std::vector<std::string> args = {"--model", std::to_string(model.index)};
            for (const auto& [key, value] : given) {
                args.insert(args.end(), {"--set", key + "=" + value});
            }
            ASSERT_EQ(Mms(args).code, kExitOk) << Mms(args).err;
            const CliRun run =
                Run({"inspect", dir.str(), "--model", std::to_string(model.index), "--json"});
            ASSERT_EQ(run.code, kExitOk) << run.err;
            // A folder's report is a profile with each file's report inside.
            const auto report = nlohmann::json::parse(run.out).at("reports").at(0);
            EXPECT_TRUE(report.at("notes").empty()) << report.at("notes");
            std::size_t found = 0;
            for (const char* section : {"fields", "texts"}) {
                for (const auto& field : report.at(section)) {
                    const auto key = given.find(field.at("name").get<std::string>());
                    if (key == given.end()) {
                        continue;
                    }
                    const auto special = meanings.find(key->first);
                    const std::string expected =
                        special != meanings.end()
                            ? special->second
                            : (section == std::string("texts") ? "\"" + key->second + "\""
                                                               : key->second);
                    EXPECT_EQ(field.at("meaning").get<std::string>(), expected) << key->first;
                    ++found;
                }
            }
            EXPECT_EQ(found, given.size());
        }
    }
    const CliRun secrets = Run({"inspect", File().string(), "--show-secrets"});
    EXPECT_NE(secrets.out.find("\"pass\""), std::string::npos) << secrets.out;
}

}  // namespace
}  // namespace tov::cli
