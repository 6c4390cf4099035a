#include "cli/CommandLine.h"

#include "cli/CliRun.h"
#include "support/FromHex.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <sstream>

namespace tov::cli {
namespace {

using test::CliRun;

using test::ReadBytes;
using test::TempDir;

const char* const kFiles[] = {"menu.dat", "setup.dat", "smtp.dat"};

class ProfileCommandTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    std::istringstream input;
    CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2026, 1, 1, 0, 0, 0}; }, codec};
    TempDir card;
    TempDir other;

    void SetUp() override { env.standardInput = &input; }
    CliRun Run(std::vector<std::string> args) { return test::RunCli(args, env); }
    /// Runs with `text` as standard input.
    CliRun Piped(const std::string& text, std::vector<std::string> args) {
        input.clear();
        input.str(text);
        return Run(std::move(args));
    }
    /// A file command into `card` with --set for each pair.
    void Write(const std::string& command, const std::vector<std::string>& options,
               const std::vector<std::pair<std::string, std::string>>& sets) {
        std::vector<std::string> args = {command, "--out", card.str()};
        args.insert(args.end(), options.begin(), options.end());
        for (const auto& [key, value] : sets) {
            args.insert(args.end(), {"--set", key + "=" + value});
        }
        const CliRun run = Run(args);
        ASSERT_EQ(run.code, kExitOk) << run.err;
    }
};

// The busy menu of the camera's own tests ("A"): every field away from its opening value.
const std::vector<std::pair<std::string, std::string>> kBusyMenu = {
    {"cameraMode", "2"},       {"imageSize", "1"},
    {"videoSize", "2"},        {"pictureCount", "2"},
    {"senseLevel", "3"},       {"timeStamp", "1"},
    {"videoLength", "40"},     {"intervalValue", "45"},
    {"intervalUnit", "0"},     {"timer1", "1"},
    {"timer1StartHour", "5"},  {"timer1StartMinute", "31"},
    {"timer1StopHour", "6"},   {"timer1StopMinute", "32"},
    {"serialOn", "1"},         {"serialChars", "9DKZ"},
    {"sdCycle", "1"},          {"timer2", "0"},
    {"timer2StartHour", "7"},  {"timer2StartMinute", "33"},
    {"timer2StopHour", "8"},   {"timer2StopMinute", "34"},
    {"sidePir", "0"},          {"timeLapse", "0"},
    {"timeLapseHour", "4"},    {"timeLapseMinute", "26"},
    {"timeLapseSecond", "27"}, {"beepSound", "0"}};

const std::vector<std::pair<std::string, std::string>> kBusyMmsManual = {
    {"mode", "Manual"},
    {"mmsSend", "1"},
    {"bearer", "CSD"},
    {"pictureLimit", "57"},
    {"phoneFormat", "International"},
    {"smsRemoteHours", "17"},
    {"url", "http://mms.busy.example/m"},
    {"apn", "apn.busy"},
    {"gateway", "10.11.12.13"},
    {"port", "8799"},
    {"account", "busy-acct"},
    {"mmsPassword", "pw-7"},
    {"phone1", "+8613912345678"},
    {"email", "cam@busy.example"},
    {"phone2", "+4915112345"},
    {"phone3", "p3@busy.example"}};
const std::vector<std::pair<std::string, std::string>> kBusyMmsAuto = {
    {"mode", "Auto"},      {"country", "United Kingdom"}, {"operator", "4"},
    {"pictureLimit", "9"}, {"phone1", "07700900123"},     {"email", "me@busy.example"}};

const std::vector<std::pair<std::string, std::string>> kBusySmtpManual = {
    {"mode", "Manual"},
    {"maxImages", "57"},
    {"smsRemoteHours", "17"},
    {"apn", "gprs.busy"},
    {"account", "gprs-acct"},
    {"gprsPassword", "gprs-pw"},
    {"smtpServer", "smtp.busy.example"},
    {"port", "465"},
    {"senderEmail", "sender@busy.example"},
    {"senderPassword", "mail-pw"},
    {"recipientEmail", "owner@busy.example"},
    {"phoneNumber", "+491701234567"}};
const std::vector<std::pair<std::string, std::string>> kBusySmtpAuto = {
    {"mode", "Auto"},
    {"country", "United Kingdom"},
    {"operator", "Vodafone"},
    {"maxImages", "3"},
    {"smtpServer", "smtp.busy.example"},
    {"port", "587"},
    {"senderEmail", "s@busy.example"},
    {"senderPassword", "mail-pw"},
    {"recipientEmail", "o@busy.example"}};

// A busy card, inspected as JSON with its passwords, written again from that JSON: the same
// bytes, for every file of both families and both modes.
TEST_F(ProfileCommandTest, InspectedCardIsWrittenAgainByteForByte) {
    for (const std::string model : {"9030MG", "2760MG"}) {
        for (const bool manual : {true, false}) {
            SCOPED_TRACE(model + (manual ? " manual" : " auto"));
            // Japanese, TV mode 0x3C (the low byte of the camera test's 0x13C).
            const std::vector<std::string> options = {"--model", model, "--language", "Japanese"};
            std::vector<std::string> withTv = options;
            withTv.insert(withTv.end(), {"--tv-mode", "60"});
            std::vector<std::string> menuOptions = withTv;
            menuOptions.insert(menuOptions.end(), {"--clock", "2024-11-30 18:28:29"});
            for (const char* file : kFiles) {
                std::filesystem::remove(card.path() / file);
                std::filesystem::remove(other.path() / file);
            }
            // The beep sound and the SD cycle are the second family's only.
            auto menu = kBusyMenu;
            if (model == "2760MG") {
                std::erase_if(menu, [](const auto& set) {
                    return set.first == "beepSound" || set.first == "sdCycle";
                });
            }
            Write("menu", menuOptions, menu);
            Write("mms", withTv, manual ? kBusyMmsManual : kBusyMmsAuto);
            Write("smtp", options, manual ? kBusySmtpManual : kBusySmtpAuto);
            if (model == "9030MG") {
                // The camera's busy image "A" of the second family, written out from the layout.
                EXPECT_EQ(ReadBytes(card.path() / "menu.dat"),
                          FromHex({"02 01 02 02 27 01 AD 03 01 00 00 04 1A 1B 0E 0B 1E 12 1C 1D",
                                   "05 1F 06 20 01 09 0D 14 23 0A 3C 00 01 00 07 21 08 22 00 00",
                                   "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 CD 15 0D 0A"}));
            }
            const CliRun inspected = Run({"inspect", "--json", "--show-secrets", card.str()});
            ASSERT_EQ(inspected.code, kExitOk) << inspected.err;
            const auto profile = nlohmann::ordered_json::parse(inspected.out);
            EXPECT_EQ(profile.at("format"), 1);
            EXPECT_EQ(profile.begin().key(), "passwords");
            const CliRun written =
                Piped(inspected.out, {"write", "--settings", "-", "--out", other.str(), "--model",
                                      model, "--language", "Japanese", "--tv-mode", "60", "--clock",
                                      "2024-11-30 18:28:29"});
            ASSERT_EQ(written.code, kExitOk) << written.err;
            for (const char* file : kFiles) {
                EXPECT_EQ(ReadBytes(other.path() / file), ReadBytes(card.path() / file)) << file;
                EXPECT_NE(written.out.find(std::string(file) + ": written"), std::string::npos);
            }
        }
    }
}

TEST_F(ProfileCommandTest, PasswordsLeftOutUnlessShown) {
    Write("smtp", {"--model", "9030MG"}, kBusySmtpManual);
    Write("mms", {"--model", "9030MG"}, kBusyMmsManual);
    const CliRun run = Run({"inspect", "--json", card.str()});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    for (const char* secret : {"gprs-pw", "mail-pw", "pw-7", "***"}) {
        EXPECT_EQ(run.out.find(secret), std::string::npos) << secret;
    }
    const auto profile = nlohmann::json::parse(run.out);
    EXPECT_EQ(profile.at("model"), "Tov 9030MG");
    EXPECT_FALSE(profile.contains("passwords"));
    EXPECT_FALSE(profile.at("smtp").contains("senderPassword"));
    EXPECT_EQ(profile.at("smtp").at("smtpServer"), "smtp.busy.example");
}

TEST_F(ProfileCommandTest, OneRefusedFileWritesNothing) {
    const std::string profile = R"({"format": 1, "model": "Tov 9030MG",
        "menu": {"videoLength": 30}, "mms": {"phone1": "12"}})";
    const CliRun run = Piped(profile, {"write", "--settings", "-", "--out", card.str()});
    EXPECT_EQ(run.code, kExitBadInput);
    EXPECT_NE(run.err.find("setup.dat: phone1: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothing was written"), std::string::npos);
    EXPECT_TRUE(card.Entries().empty());

    // The same profile's menu alone, for the menu command; its model is the profile's.
    const CliRun menu = Piped(profile, {"menu", "--settings", "-", "--out", card.str(), "--clock",
                                        "2026-01-01 00:00:00"});
    ASSERT_EQ(menu.code, kExitOk) << menu.err;
    EXPECT_EQ(menu.err, "");
    EXPECT_EQ(ReadBytes(card.path() / "menu.dat").at(4), 29);  // 30 s, stored less one
    EXPECT_NE(Run({"inspect", (card.path() / "menu.dat").string(), "--model", "9030MG"})
                  .out.find("Tov 9030MG"),
              std::string::npos);
}

// Profiles that no writer takes, each with its reason; nothing written.
TEST_F(ProfileCommandTest, ProfilesRefusedWithTheirReason) {
    const struct {
        std::string command;
        std::string profile;
        std::string says;
    } cases[] = {
        {"write", R"({"format": 2, "menu": {}})", "format is not one this tool reads"},
        {"write", R"({"format": 1, "model": "Tov 1234", "menu": {}})",
         "\"Tov 1234\" is not a model"},
        {"write", R"({"format": 1, "menus": {}})", "\"menus\" is no member of a profile"},
        {"write", R"({"format": 1, "menu": {"videoLength": 3, "videoLength": 4}})",
         "\"videoLength\" is given twice"},
        {"write", R"({"format": 1, "model": "9030M", "smtp": {"port": "25"}})",
         "Tov 9030M has no e-mail settings"},
        {"write", R"({"videoLength": 30})", "no profile (a JSON object with \"format\": 1)"},
        {"write", R"({"format": 1, "menu": {"videoLength": 30},)", "not valid JSON at line 1"},
        {"write", R"({"format": 1, "refused": {"menu": "it holds values no form writes"}})",
         "the settings of menu.dat cannot be written again: it holds values no form writes"},
        {"mms", R"({"format": 1, "menu": {"videoLength": 30}})",
         "the profile holds no settings of setup.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        const CliRun run = Piped(c.profile, {c.command, "--settings", "-", "--out", card.str()});
        EXPECT_EQ(run.code, kExitBadInput);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(card.Entries().empty());
    }
}

// A file holding a value no form writes is named in the profile, and the round trip refused.
TEST_F(ProfileCommandTest, ValuesNoFormWritesRefuseTheRoundTrip) {
    Write("menu", {"--model", "9030MG"}, {{"videoLength", "30"}});
    std::vector<std::uint8_t> bytes = ReadBytes(card.path() / "menu.dat");
    bytes[0] = 7;  // no camera mode; the checksum made right by the file's own rule
    test::WriteBytes(card.path() / "menu.dat", bytes);
    const CliRun fixed = Run({"inspect", "--json", "--model", "9030MG", card.str()});
    const auto profile = nlohmann::json::parse(fixed.out);
    ASSERT_TRUE(profile.contains("refused")) << fixed.out;
    EXPECT_FALSE(profile.contains("menu"));
    const CliRun run = Piped(fixed.out, {"write", "--settings", "-", "--out", other.str()});
    EXPECT_EQ(run.code, kExitBadInput);
    EXPECT_NE(run.err.find("the settings of menu.dat cannot be written again"), std::string::npos)
        << run.err;
    EXPECT_TRUE(other.Entries().empty());
}

// Without --model and a profile's model the stored model is used and named.
TEST_F(ProfileCommandTest, TheStoredModelIsNamedWhenNothingElseGivesOne) {
    const CliRun stored = Run({"menu", "--out", card.str()});
    ASSERT_EQ(stored.code, kExitOk);
    EXPECT_NE(stored.err.find("no --model given; using the stored model Tov 2740M"),
              std::string::npos)
        << stored.err;
    const CliRun given = Run({"menu", "--out", card.str(), "--model", "4"});
    EXPECT_EQ(given.err.find("stored model"), std::string::npos);
    // --model gives or overrides the profile's model.
    const CliRun overridden =
        Piped(R"({"format": 1, "model": "Tov 9030MG", "menu": {"videoLength": 30}})",
              {"write", "--settings", "-", "--out", card.str(), "--model", "2760MG"});
    ASSERT_EQ(overridden.code, kExitOk) << overridden.err;
    EXPECT_NE(overridden.out.find("Tov 2760"), std::string::npos) << overridden.out;
}

// Standard input holds the settings or a password, never both.
TEST_F(ProfileCommandTest, StandardInputIsReadOnce) {
    const CliRun run =
        Piped(R"({"mode": "Manual"})", {"mms", "--out", card.str(), "--model", "4", "--settings",
                                        "-", "--set", "mmsPassword=-"});
    EXPECT_EQ(run.code, kExitBadInput);
    EXPECT_NE(run.err.find("--settings - reads the settings from standard input already"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(card.Entries().empty());
}

// A profile keeps passwords only when asked; then it says so first and only its owner may read
// it, also where it replaces a profile others could read.
TEST_F(ProfileCommandTest, SavedProfileHoldsPasswordsOnlyWhenAsked) {
    Write("smtp", {"--model", "9030MG"}, kBusySmtpManual);
    const std::filesystem::path saved = other.path() / "p.json";
    const CliRun plain = Run({"profile", card.str(), "--out", saved.string()});
    ASSERT_EQ(plain.code, kExitOk) << plain.err;
    std::string text(std::istreambuf_iterator<char>(std::ifstream(saved).rdbuf()), {});
    EXPECT_EQ(text.find("mail-pw"), std::string::npos);
    EXPECT_EQ(text.find("passwords"), std::string::npos);
    std::filesystem::permissions(saved, std::filesystem::perms(0644));

    const CliRun secret =
        Run({"profile", card.str(), "--out", saved.string(), "--include-secrets"});
    ASSERT_EQ(secret.code, kExitOk) << secret.err;
    EXPECT_NE(secret.out.find("only its owner may read it"), std::string::npos);
#ifndef _WIN32  // Windows files have no permission bits
    EXPECT_EQ(std::filesystem::status(saved).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0600));
#endif
    const auto profile = nlohmann::ordered_json::parse(std::ifstream(saved));
    EXPECT_EQ(profile.begin().key(), "passwords");
    EXPECT_EQ(profile.at("smtp").at("senderPassword"), "mail-pw");
    // And it writes the card again.
    const CliRun written = Run({"write", "--settings", saved.string(), "--out", other.str()});
    ASSERT_EQ(written.code, kExitOk) << written.err;
    EXPECT_EQ(ReadBytes(other.path() / "smtp.dat"), ReadBytes(card.path() / "smtp.dat"));
}

// Outputs replace only regular files: a pipe, a device or a link stays what it was (exit 2);
// a bare name is a file in the current folder; a dry run into a missing folder says it would
// fail.
TEST_F(ProfileCommandTest, OutputsReplaceOnlyRegularFiles) {
    Write("menu", {"--model", "9030MG"}, {{"videoLength", "30"}});
#ifndef _WIN32
    const std::filesystem::path fifo = other.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path link = other.path() / "link";
    std::filesystem::create_symlink(other.path() / "elsewhere", link);
    const struct {
        std::string out;
        std::filesystem::file_type stays;
    } cases[] = {{fifo.string(), std::filesystem::file_type::fifo},
                 {"/dev/null", std::filesystem::file_type::character},
                 {link.string(), std::filesystem::file_type::symlink}};
    for (const auto& c : cases) {
        const CliRun run = Run({"profile", card.str(), "--out", c.out, "--model", "9030MG"});
        EXPECT_EQ(run.code, 2) << c.out;
        EXPECT_NE(run.err.find("only regular files are replaced"), std::string::npos)
            << run.err << run.out;
        EXPECT_EQ(std::filesystem::symlink_status(c.out).type(), c.stays) << c.out;
    }
    EXPECT_FALSE(std::filesystem::exists(other.path() / "elsewhere"));
    // A menu.dat that is a link is not replaced either: exit 2, the link kept.
    std::filesystem::create_symlink("/etc/hostname", other.path() / "menu.dat");
    EXPECT_EQ(Run({"menu", "--out", other.str(), "--model", "4"}).code, 2);
    EXPECT_TRUE(std::filesystem::is_symlink(other.path() / "menu.dat"));
    std::filesystem::remove(other.path() / "menu.dat");
#endif
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(other.path());
    const CliRun bare = Run({"profile", card.str(), "--out", "prof.json", "--model", "9030MG"});
    std::filesystem::current_path(here);
    EXPECT_EQ(bare.code, kExitOk) << bare.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(other.path() / "prof.json"));

    const CliRun dry =
        Run({"menu", "--out", (other.path() / "nonexist").string(), "--model", "4", "--dry-run"});
    EXPECT_EQ(dry.code, 1);
    EXPECT_NE(dry.err.find("No such file or directory"), std::string::npos) << dry.err;
    EXPECT_EQ(dry.out.find("would be written"), std::string::npos) << dry.out;
}

// --update starts from the busy card's own settings: only the --set key changes, for both
// families, byte for byte as a write that gives every setting by hand; a file of the other
// family or none at all is refused.
TEST_F(ProfileCommandTest, UpdateChangesOnlyTheKeysGiven) {
    const struct {
        const char* command;
        const char* model;
        const std::vector<std::pair<std::string, std::string>>* busy;
        std::pair<std::string, std::string> change;
        const char* file;
    } cases[] = {
        {"menu", "9030MG", &kBusyMenu, {"videoLength", "30"}, "menu.dat"},
        {"mms", "9030MG", &kBusyMmsManual, {"phone2", "+4915199999"}, "setup.dat"},
        {"mms", "2740M", &kBusyMmsAuto, {"pictureLimit", "12"}, "setup.dat"},
        {"smtp", "2760MG", &kBusySmtpManual, {"port", "587"}, "smtp.dat"},
    };
    const std::vector<std::string> clock = {"--clock", "2026-12-01 12:00:00"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.model);
        std::vector<std::string> options = {"--model", c.model};
        if (std::string(c.command) == "menu") {
            options.insert(options.end(), clock.begin(), clock.end());
        }
        Write(c.command, options, *c.busy);
        std::vector<std::pair<std::string, std::string>> all = *c.busy;
        for (auto& [key, value] : all) {
            value = key == c.change.first ? c.change.second : value;
        }
        TempDir expected;
        std::vector<std::string> byHand = {c.command, "--out", expected.str()};
        byHand.insert(byHand.end(), options.begin(), options.end());
        for (const auto& [key, value] : all) {
            byHand.insert(byHand.end(), {"--set", key + "=" + value});
        }
        ASSERT_EQ(Run(byHand).code, kExitOk);

        std::vector<std::string> update = {c.command,  "--out",
                                           card.str(), "--update",
                                           "--set",    c.change.first + "=" + c.change.second};
        update.insert(update.end(), options.begin(), options.end());
        const CliRun run = Run(update);
        ASSERT_EQ(run.code, kExitOk) << run.err;
        EXPECT_NE(run.out.find("1 setting changed: " + c.change.first), std::string::npos)
            << run.out;
        EXPECT_EQ(ReadBytes(card.path() / c.file), ReadBytes(expected.path() / c.file));
    }
    env.backupsFolder = other.path() / "backups";
    Write("menu", {"--model", "9030MG"}, {{"videoLength", "20"}});
    const CliRun family =
        Run({"menu", "--out", card.str(), "--model", "2740M", "--update", "--set", "timeStamp=1"});
    EXPECT_EQ(family.code, kExitBadInput);
    EXPECT_NE(family.err.find("was written for a Tov 9030MG"), std::string::npos) << family.err;
    std::filesystem::remove(card.path() / "smtp.dat");
    const CliRun none =
        Run({"smtp", "--out", card.str(), "--model", "9030MG", "--update", "--set", "port=25"});
    EXPECT_EQ(none.code, kExitBadInput);
    EXPECT_NE(none.err.find("there is no file of the tool's to start from"), std::string::npos);
}

}  // namespace
}  // namespace tov::cli
