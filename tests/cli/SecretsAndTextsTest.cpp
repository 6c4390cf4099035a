#include "cli/CommandLine.h"

#include "cli/CliRun.h"
#include "common/RecordFile.h"
#include "mms/core/MmsFields.h"
#include "smtp/core/SmtpFields.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <sstream>

// Passwords and texts against hostile files and input: no password byte in any output without
// --show-secrets, no settings file quoted, every password key read from standard input with
// `-`, no control or invisible character written, no number rounded into a text.

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::WriteBytes;

// What the setups below give each command, beside the arguments of a case.
const std::vector<std::string> kMmsManual = {"--model", "4",
                                             "--set",   "mode=Manual",
                                             "--set",   "url=http://mms.example/",
                                             "--set",   "apn=mms",
                                             "--set",   "gateway=10.0.0.1",
                                             "--set",   "port=8080",
                                             "--set",   "phone1=07700900123"};
const std::vector<std::string> kSmtp = {"--model", "4",
                                        "--set",   "smtpServer=smtp.example.com",
                                        "--set",   "port=465",
                                        "--set",   "senderEmail=cam01@example.com",
                                        "--set",   "recipientEmail=me@example.org"};
const std::vector<std::string> kSmtpManual = {"--set", "mode=Manual", "--set", "apn=internet"};

// `a` then `b`, where a --set of `b` takes the place of `a`'s for the same key: the command
// line refuses a key set twice.
std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    const auto keyOf = [](const std::string& setter) {
        return setter.substr(0, setter.find('='));
    };
    for (std::size_t i = 0; i + 1 < b.size(); ++i) {
        for (std::size_t j = 0; b[i] == "--set" && j + 1 < a.size(); ++j) {
            if (a[j] == "--set" && keyOf(a[j + 1]) == keyOf(b[i + 1])) {
                a.erase(a.begin() + static_cast<std::ptrdiff_t>(j),
                        a.begin() + static_cast<std::ptrdiff_t>(j + 2));
                break;
            }
        }
    }
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The records of the file's passwords, from its field table.
template <class S>
std::vector<std::size_t> SecretRecords(FieldTable<S> table) {
    std::vector<std::size_t> records;
    for (const Field<S>& field : table) {
        if (field.secret) {
            records.push_back(static_cast<std::size_t>(field.place[Family::Second].record));
        }
    }
    return records;
}

class SecretsAndTextsTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; }, codec};
    test::TempDir dir;
    std::vector<std::string> prompts;

    SecretsAndTextsTest() {
        env.readSecret = [this](std::string_view prompt, std::ostream&) {
            prompts.emplace_back(prompt);
            return std::optional<std::string>("typed-secret");
        };
    }
    CliRun Run(const std::vector<std::string>& args) { return test::RunCli(args, env); }
    CliRun Write(const std::string& command, const std::vector<std::string>& args) {
        return Run(Joined({command, "--out", dir.str()}, args));
    }
    std::string File(const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name, std::ios::binary) << text;
        return (dir.path() / name).string();
    }
};

// Distinct bytes in every byte of every password record, under length bytes that say 0, 1 and
// 57: inspect shows none of them, in text or JSON, for the file or its folder.
TEST_F(SecretsAndTextsTest, NoPasswordByteWithoutShowSecrets) {
    ASSERT_EQ(Write("mms", Joined(kMmsManual, {"--set", "mmsPassword=x"})).code, kExitOk);
    ASSERT_EQ(Write("smtp", Joined(Joined(kSmtp, kSmtpManual),
                                   {"--set", "senderPassword=pw-123", "--set", "gprsPassword=z"}))
                  .code,
              kExitOk);
    const std::map<std::string, std::vector<std::size_t>> secrets = {
        {"setup.dat", SecretRecords(MmsFieldTable())},
        {"smtp.dat", SecretRecords(SmtpFieldTable())}};
    const std::string planted = "Qz!";  // 51 7A 21, in no other field
    for (const std::uint8_t length : {0, 1, 57}) {
        for (const auto& [name, records] : secrets) {
            const auto path = dir.path() / name;
            const RecordFileReading reading = ReadRecordFile(ReadBytes(path));
            RecordFileBody plain = reading.plain;
            for (const std::size_t record : records) {
                for (std::size_t i = 0; i < kRecordLengthOffset; ++i) {
                    plain[record][i] = static_cast<std::uint8_t>(planted[i % planted.size()]);
                }
                plain[record][kRecordLengthOffset] = length;
            }
            WriteBytes(path, BuildRecordFile(plain, static_cast<std::uint16_t>(reading.storedCheck -
                                                                               reading.crc)));
        }
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"inspect", dir.str()},
              {"inspect", dir.str(), "--json"},
              {"inspect", (dir.path() / "smtp.dat").string(), "--json", "--model", "5"},
              {"inspect", (dir.path() / "setup.dat").string(), "--json"},
              {"inspect", (dir.path() / "setup.dat").string(), "--as", "smtp.dat"}}) {
            const CliRun run = Run(args);
            SCOPED_TRACE(std::to_string(length) + " " + args.back());
            EXPECT_EQ(run.out.find("Qz"), std::string::npos) << run.out;
            EXPECT_EQ(run.out.find("7A 21"), std::string::npos) << run.out;
            EXPECT_EQ(run.out.find("51 7A"), std::string::npos) << run.out;
            if (std::find(args.begin(), args.end(), "--json") != args.end()) {
                // JSON gives the stored bytes as numbers: a password's are none. A folder
                // gives one object, its files' reports inside.
                const nlohmann::json whole = nlohmann::json::parse(run.out);
                for (const nlohmann::json& report : whole.contains("reports")
                                                        ? whole.at("reports")
                                                        : nlohmann::json::array({whole})) {
                    for (const auto& [section, fields] : report.items()) {
                        for (const auto& field :
                             fields.is_array() && section != "problems" && section != "notes"
                                 ? fields
                                 : nlohmann::json::array()) {
                            if (field.at("name").get<std::string>().ends_with("Password")) {
                                EXPECT_TRUE(field.at("bytes").empty()) << field;
                            }
                        }
                    }
                }
            }
            EXPECT_EQ(run.err.find("Qz"), std::string::npos);
        }
        // The planted bytes are there to be seen when asked for.
        const CliRun shown = Run({"inspect", dir.str(), "--show-secrets"});
        EXPECT_NE(shown.out.find("51 7A"), std::string::npos) << shown.out;
    }
}

// A settings file is never quoted back: a broken one is named by line and column.
TEST_F(SecretsAndTextsTest, SettingsFileMessagesQuoteNothing) {
    const struct {
        std::string json;
        std::string says;
    } cases[] = {
        {R"({"senderPassword": "Sekr3t)", "line 1, column 27"},
        {"{\n  \"senderPassword\": Sekr3t\n}", "line 2, column 21"},
        {R"({"senderPassword": "Sek\u0001r3t"})", "character 4 is a control"},
        {"{\"senderPassword\": \"Sekr3t\u4E2D\"}", "character 7 cannot be written"},
        {R"({"senderPassword": "Sekr3t", "senderPassword": "Sekr3t"})", "is given twice"},
        {R"({"senderPassword": ["Sekr3t"]})", "the value must be a number or a text"},
        {R"({"senderPassword": "Sekr3t", "port": 1e99999})", "not valid JSON (a number out of"},
    };
    for (const auto& c : cases) {
        const CliRun run = Write("smtp", Joined(kSmtp, {"--settings", File("s.json", c.json)}));
        EXPECT_EQ(run.code, kExitBadInput) << c.json;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Sek"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "smtp.dat"));
    }
}

// `--set KEY=-` reads every password key from standard input, in either file.
TEST_F(SecretsAndTextsTest, EveryPasswordKeyReadsStandardInput) {
    const struct {
        std::string command;
        std::vector<std::string> args;
        std::string key;
        std::string file;
    } cases[] = {
        {"mms", kMmsManual, "mmsPassword", "setup.dat"},
        {"smtp", Joined(kSmtp, {"--set", "senderPassword=pw-123"}), "gprsPassword", "smtp.dat"},
        {"smtp", kSmtp, "senderPassword", "smtp.dat"},
    };
    for (const auto& c : cases) {
        prompts.clear();
        std::vector<std::string> args = Joined(c.args, {"--set", c.key + "=-"});
        if (c.key == "gprsPassword") {
            args = Joined(args, kSmtpManual);
        }
        const CliRun run = Write(c.command, args);
        ASSERT_EQ(run.code, kExitOk) << run.err;
        EXPECT_EQ(prompts, std::vector<std::string>{c.key + ": "});
        const CliRun shown = Run({"inspect", (dir.path() / c.file).string(), "--show-secrets"});
        EXPECT_NE(shown.out.find("\"typed-secret\""), std::string::npos) << shown.out;
        EXPECT_EQ(shown.out.find("\"-\""), std::string::npos) << shown.out;
    }
}

// Control characters, C1 controls and invisible formatting characters are refused in every
// text setting of both files, by position, and written nowhere.
TEST_F(SecretsAndTextsTest, ControlAndInvisibleCharactersRefusedInEveryText) {
    const std::string bad[] = {std::string(1, '\0'),
                               "\x1B",
                               "\r",
                               "\n",
                               "\t",
                               "\x7F",
                               "\u200D",
                               "\u202E",
                               "\u2066",
                               "\uFEFF",
                               "\u0085",
                               "\u0081",
                               "\u200B"};
    const auto textKeys = [](auto table) {
        std::vector<std::string> keys;
        for (const auto& field : table) {
            if (field.kind == FieldKind::Text && IsSettingKey(field, Family::Second)) {
                keys.emplace_back(field.key);
            }
        }
        return keys;
    };
    const std::pair<std::string, std::vector<std::string>> commands[] = {
        {"mms", textKeys(MmsFieldTable())}, {"smtp", textKeys(SmtpFieldTable())}};
    for (const auto& [command, keys] : commands) {
        ASSERT_GE(keys.size(), 8U) << command;
        for (const std::string& key : keys) {
            for (const std::string& c : bad) {
                const CliRun run = Write(command, Joined(command == "mms" ? kMmsManual : kSmtp,
                                                         {"--set", key + "=ab" + c + "cd"}));
                SCOPED_TRACE(key + " " + run.err);
                EXPECT_EQ(run.code, kExitBadInput);
                EXPECT_EQ(run.err.rfind(key + ": character 3 is a control or invisible "
                                              "formatting character",
                                        0),
                          0U);
                EXPECT_EQ(run.err.substr(0, run.err.size() - 1).find(c), std::string::npos);
                EXPECT_TRUE(dir.Entries().empty());
            }
        }
    }
}

// A number where a text goes keeps its digits, or is refused; never rounded.
TEST_F(SecretsAndTextsTest, JsonNumbersKeepTheirDigitsOrAreRefused) {
    const CliRun huge = Write(
        "mms",
        Joined(kMmsManual,
               {"--settings", File("n.json", R"({"account": 1234567890123456789012345678901})")}));
    EXPECT_EQ(huge.code, kExitBadInput);
    EXPECT_NE(huge.err.find("account: a number must be a whole number"), std::string::npos)
        << huge.err;
    EXPECT_EQ(
        Write("mms", Joined(kMmsManual, {"--settings", File("f.json", R"({"port": 80.5})")})).code,
        kExitBadInput);
    EXPECT_TRUE(dir.Entries().size() == 2);  // the two settings files only

    const CliRun exact = Write(
        "mms",
        Joined(kMmsManual, {"--settings", File("e.json", R"({"account": 18446744073709551615})")}));
    ASSERT_EQ(exact.code, kExitOk) << exact.err;
    const CliRun shown = Run({"inspect", (dir.path() / "setup.dat").string()});
    EXPECT_NE(shown.out.find("\"18446744073709551615\""), std::string::npos) << shown.out;
}

}  // namespace
}  // namespace tov::cli
