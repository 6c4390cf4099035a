#include "cli/CommandLine.h"

#include "app/host/SettingsPreferenceBackend.h"
#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "cli/CliRun.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/Models.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <fstream>
#include <map>
#include <sstream>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class CommandLineTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    LocalDateTime clock{2014, 5, 7, 13, 4, 9};
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [this] { return clock; }, codec};
    TempDir dir;

    CliRun Run(std::vector<std::string> args) { return test::RunCli(args, env); }
    /// `menu --out DIR` with more arguments.
    CliRun Menu(std::vector<std::string> args) {
        args.insert(args.begin(), {"menu", "--out", dir.str()});
        return Run(std::move(args));
    }
    std::filesystem::path MenuFile() const { return dir.path() / "menu.dat"; }
    std::vector<std::uint8_t> MenuBytes() const { return ReadBytes(MenuFile()); }
    void StorePreferences(int language, int model, int tvMode) {
        prefs.keyExists = true;
        prefs.numbers = {{"language", static_cast<std::uint32_t>(language)},
                         {"model", static_cast<std::uint32_t>(model)},
                         {"TvMode", static_cast<std::uint32_t>(tvMode)}};
    }
};

std::vector<std::uint8_t> Bytes(const MenuRecord& record) {
    return {record.begin(), record.end()};
}

TEST_F(CommandLineTest, MenuWritesWhatTheCoreBuilds) {
    const CliRun run = Menu({"--model",    "Tov 9030MG",
                             "--language", "Magyar",
                             "--tv-mode",  "3",
                             "--clock",    "2016-03-04 05:06:07",
                             "--set",      "cameraMode=Video",
                             "--set",      "imageSize=2MP",
                             "--set",      "videoLength=25",
                             "--set",      "intervalValue=0",
                             "--set",      "intervalUnit=Sec",
                             "--set",      "timer2=On",
                             "--set",      "timer2StartHour=6",
                             "--set",      "beepSound=0",
                             "--set",      "serialChars=B7C0"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "Tov 9030 Configuration file is generated\n" + PathText(MenuFile()) + "\n");

    CameraMenuSettings expected = OpeningCameraSettings(4);
    expected.cameraMode = 1;
    expected.imageSize = 2;
    expected.videoLength = 25;
    expected.intervalValue = 0;
    expected.intervalUnit = 0;
    expected.timer2 = 1;
    expected.timer2StartHour = 6;
    expected.beepSound = 0;
    expected.serialChars = {11, 7, 12, 0};
    ClockSnapshot snapshot{2016, 3, 4, 5, 6, 7};
    EXPECT_EQ(MenuBytes(), Bytes(BuildMenuRecord9030(expected, snapshot, kMagyar, 3)));
}

TEST_F(CommandLineTest, StoredPreferencesAreReadButNeverCreated) {
    // Chinese stored on a non-Chinese system: English texts, language byte 1.
    StorePreferences(kChinese, 5, 0x0102);
    const CliRun stored = Menu({});
    ASSERT_EQ(stored.code, kExitOk) << stored.err;
    EXPECT_EQ(stored.out.rfind("Tov 2760 Configuration file is generated\n", 0), 0U);
    ClockSnapshot snapshot{2014, 5, 7, 13, 4, 9};
    EXPECT_EQ(MenuBytes(), Bytes(BuildMenuRecord2740(OpeningCameraSettings(5), snapshot, 1, 2)));

    MemoryPreferenceBackend empty;
    CliEnvironment fresh{empty, 0x0409, [this] { return clock; }, codec};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCommandLine({"menu", "--out", dir.str()}, fresh, out, err), kExitOk);
    ASSERT_EQ(RunCommandLine({"prefs"}, fresh, out, err), kExitOk);
    EXPECT_FALSE(empty.keyExists);
    EXPECT_TRUE(empty.numbers.empty());
    // The default model is 1 and the default language English.
    EXPECT_EQ(MenuBytes(), Bytes(BuildMenuRecord2740(OpeningCameraSettings(1), snapshot, 2, 0)));
}

TEST_F(CommandLineTest, ChineseMessagesOnlyWhereTheInterfaceSpeaksChinese) {
    env.systemLangId = kLangIdChinesePrc;
    const CliRun chinese =
        Menu({"--language", "Chinese", "--model", "1", "--set", "videoLength=0"});
    EXPECT_EQ(chinese.code, kExitBadInput);
    EXPECT_EQ(chinese.err, "videoLength: " + RangeMessage(1, 60, kChinese) + "\n");
    EXPECT_FALSE(std::filesystem::exists(MenuFile()));

    env.systemLangId = 0x0409;
    const CliRun english = Menu({"--language", "1", "--model", "1", "--set", "videoLength=0"});
    EXPECT_EQ(english.err, "videoLength: Please enter an integer between 1 and 60!\n");

    const CliRun written = Menu({"--language", "chinese", "--model", "2"});
    ASSERT_EQ(written.code, kExitOk);
    EXPECT_EQ(written.out.rfind("Tov 9030 Configuration file is generated", 0), 0U);
    EXPECT_EQ(MenuBytes()[29], 1);
}

TEST_F(CommandLineTest, RefusedInputExitsTwoAndWritesNothing) {
    const std::vector<std::vector<std::string>> refused = {
        {"--model", "2740M", "--set", "sdCycle=On"},
        {"--set", "brightness=3"},
        {"--model", "1", "--set", "videoSize=1280x720"},
        {"--set", "timer1StopHour=24"},
        {"--set", "videoLength"},
        {"--model", "9031M"},
        {"--language", "Klingon"},
        {"--tv-mode", "256"},
        {"--clock", "2014-02-30 10:00:00"},
        {"--clock", "2014-05-07"},
        {"--clock", ""},
        {"--model", ""},
        {"--settings", ""},
        {"--set", "intervalValue=0"},
        {"--factory", "--set", "videoLength=5"},
        {"--bogus"},
    };
    for (const auto& args : refused) {
        const CliRun run = Menu(args);
        EXPECT_EQ(run.code, kExitBadInput) << args.front() << " " << args.back();
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_TRUE(dir.Entries().empty());

    const CliRun family = Menu({"--model", "2740M", "--set", "sdCycle=On"});
    EXPECT_EQ(family.err.rfind("sdCycle: not a setting of the Tov 2740M; allowed settings: ", 0),
              0U);
}

TEST_F(CommandLineTest, SettingsFileUnderSetOptions) {
    const auto json = dir.path() / "settings.json";
    std::ofstream(json) << R"({"videoLength": 30, "imageSize": "5MP", "timer1": 1,
                               "serialChars": "Z000"})";
    const CliRun run =
        Menu({"--model", "2", "--settings", json.string(), "--set", "videoLength=45"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    const auto bytes = MenuBytes();
    EXPECT_EQ(bytes[4], 44);  // the --set value, stored minus 1
    EXPECT_EQ(bytes[1], 1);   // "5MP" in the second family's list
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[25], 35);

    const auto badFile = [&](const std::string& text) {
        std::ofstream(json) << text;
        return Menu({"--settings", json.string()});
    };
    std::filesystem::remove(MenuFile());
    for (const char* text : {"{\"videoLength\": ", "[1, 2]", R"({"timer1": true})",
                             R"({"videoLength": 10.5})", R"({"videoLength": 70})"}) {
        const CliRun bad = badFile(text);
        EXPECT_EQ(bad.code, kExitBadInput) << text;
        EXPECT_FALSE(bad.err.empty());
    }
    EXPECT_EQ(Menu({"--settings", (dir.path() / "missing.json").string()}).code, kExitBadInput);
    EXPECT_FALSE(std::filesystem::exists(MenuFile()));
}

TEST_F(CommandLineTest, ClockFollowsTheSnapshotRules) {
    ASSERT_EQ(Menu({"--clock", "2009-12-31 23:59:58"}).code, kExitOk);
    auto bytes = MenuBytes();
    EXPECT_EQ(bytes[14], 1);  // held to 2011
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 15, bytes.begin() + 20),
              (std::vector<std::uint8_t>{12, 31, 23, 59, 58}));

    ASSERT_EQ(Menu({"--clock", "2040-01-01 00:00:00"}).code, kExitOk);
    EXPECT_EQ(MenuBytes()[14], 21);

    clock = {2020, 2, 29, 8, 9, 10};
    ASSERT_EQ(Menu({}).code, kExitOk);
    bytes = MenuBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 14, bytes.begin() + 20),
              (std::vector<std::uint8_t>{10, 2, 29, 8, 9, 10}));
}

TEST_F(CommandLineTest, FactoryWritesTheFactoryRecord) {
    StorePreferences(kDeutsch, 4, 9);
    const CliRun run = Menu({"--factory"});
    ASSERT_EQ(run.code, kExitOk);
    EXPECT_EQ(run.out.rfind("Tov 9030 Camera menu factory settings file has been generated\n", 0),
              0U);
    EXPECT_EQ(MenuBytes(), Bytes(FactoryMenuRecord()));
}

TEST_F(CommandLineTest, WriteFailureExitsOneAndKeepsThePreviousFile) {
    ASSERT_EQ(Menu({"--set", "videoLength=20"}).code, kExitOk);
    const auto before = MenuBytes();

#ifndef _WIN32
    // A file size limit makes the card "full" after 10 bytes (Windows has no such limit).
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const CliRun full = Menu({"--model", "1", "--set", "videoLength=30"});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(full.code, kExitWriteFailed);
    EXPECT_TRUE(full.out.empty());
    EXPECT_EQ(full.err.rfind("Could not write " + PathText(MenuFile()) + ": ", 0), 0U);
    EXPECT_EQ(MenuBytes(), before);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
#endif

    const CliRun missing = Run({"menu", "--out", (dir.path() / "no-card").string()});
    EXPECT_EQ(missing.code, kExitWriteFailed);
    EXPECT_NE(missing.err.find("no-card"), std::string::npos);
}

TEST_F(CommandLineTest, PrefsShowsAndStoresTvMode) {
    StorePreferences(kChinese, 7, 300);
    const CliRun shown = Run({"prefs"});
    ASSERT_EQ(shown.code, kExitOk);
    EXPECT_EQ(shown.out, "language: 1 (Chinese; English texts on this system)\n"
                         "model: 7 (not in the model list; the first family's forms)\n"
                         "TvMode: 300 (the files carry its low byte, 44)\n"
                         "kept in: memory\n");

    EXPECT_EQ(Run({"prefs", "--tv-mode", "12"}).code, kExitOk);
    EXPECT_EQ(prefs.numbers.at("TvMode"), 12U);
    EXPECT_EQ(Run({"prefs", "--tv-mode", "-1"}).code, kExitBadInput);
    EXPECT_EQ(Run({"prefs", "--tv-mode", "x"}).code, kExitBadInput);
    EXPECT_EQ(prefs.numbers.at("TvMode"), 12U);

    prefs.writable = false;
    const CliRun locked = Run({"prefs", "--tv-mode", "13"});
    EXPECT_EQ(locked.code, kExitWriteFailed);
    EXPECT_NE(locked.err.find("memory"), std::string::npos);
}

TEST_F(CommandLineTest, PrefsFileIsCreatedOnlyToStoreTvMode) {
    const auto ini = dir.path() / "prefs.ini";
    SettingsPreferenceBackend settings(QString::fromStdString(ini.string()));
    CliEnvironment onDisk{settings, 0x0409, [this] { return clock; }, codec};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCommandLine({"prefs"}, onDisk, out, err), kExitOk);
    EXPECT_NE(out.str().find("kept in: " + ini.string() + " (not created yet)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(ini));

    ASSERT_EQ(RunCommandLine({"prefs", "--tv-mode", "5"}, onDisk, out, err), kExitOk);
    ASSERT_TRUE(std::filesystem::exists(ini));
    ASSERT_EQ(RunCommandLine({"menu", "--out", dir.str()}, onDisk, out, err), kExitOk);
    EXPECT_EQ(MenuBytes()[30], 5);
}

class InspectTest : public CommandLineTest {
protected:
    std::filesystem::path WriteFile(const std::vector<std::uint8_t>& bytes) {
        const auto path = dir.path() / "card.dat";
        WriteBytes(path, bytes);
        return path;
    }
    std::vector<std::uint8_t> Written(std::vector<std::string> args) {
        EXPECT_EQ(Menu(std::move(args)).code, kExitOk);
        return MenuBytes();
    }
};

TEST_F(InspectTest, SoundFileIsDescribedAndExitsZero) {
    const auto file = WriteFile(Written({"--model", "2", "--set", "cameraMode=Camera+Video"}));
    const CliRun run = Run({"inspect", file.string(), "--model", "9030M"});
    EXPECT_EQ(run.code, kExitOk);
    EXPECT_NE(run.out.find("record: camera settings"), std::string::npos);
    EXPECT_NE(run.out.find("cameraMode         02                 Camera+Video"),
              std::string::npos);
    EXPECT_NE(run.out.find("beepSound"), std::string::npos);
    EXPECT_EQ(run.out.find("first family"), std::string::npos);
    EXPECT_NE(run.out.find("result: valid"), std::string::npos);

    const CliRun both = Run({"inspect", file.string()});
    EXPECT_NE(both.out.find("bytes 31..37, first family"), std::string::npos);
    EXPECT_NE(both.out.find("bytes 31..37, second family"), std::string::npos);

    const CliRun factory = Run({"inspect", WriteFile(Written({"--factory"})).string()});
    EXPECT_EQ(factory.code, kExitOk);
    EXPECT_NE(factory.out.find("record: factory settings"), std::string::npos);
}

TEST_F(InspectTest, DamagedFilesExitThreeWithTheirReasons) {
    const auto good = Written({});
    auto shorter = good;
    shorter.resize(58);
    auto lineEnd = good;
    lineEnd[58] = 0x0A;
    auto checksum = good;
    checksum[56] ^= 0xFF;
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {shorter, "size is 58 bytes, expected 60"},
        {lineEnd, "line end at bytes 58..59 is 0A 0A, expected 0D 0A"},
        {checksum, "checksum at bytes 56..57 is"},
    };
    for (const auto& [bytes, reason] : cases) {
        const CliRun run = Run({"inspect", WriteFile(bytes).string()});
        EXPECT_EQ(run.code, kExitDamaged) << reason;
        EXPECT_NE(run.out.find("result: damaged:\n  - " + reason), std::string::npos) << run.out;
    }

    EXPECT_EQ(Run({"inspect", (dir.path() / "absent.dat").string()}).code, kExitBadInput);
    EXPECT_EQ(Run({"inspect", WriteFile(good).string(), "--model", "0"}).code, kExitBadInput);
}

// Every key of every model, set away from its opening value, comes back from inspect with the
// meaning it was given.
TEST_F(InspectTest, EveryKeyRoundTripsThroughTheFileAndInspect) {
    for (const ModelInfo& model : Models()) {
        SCOPED_TRACE(model.index);
        const CameraMenuSettings opening = OpeningCameraSettings(model.index);
        std::vector<std::string> args = {"--model", std::to_string(model.index)};
        std::map<std::string, std::string> given;
        for (const Field<CameraMenuSettings>& field : kCameraFields) {
            if (!IsSettingKey(field, model.family)) {
                continue;
            }
            std::string value;
            if (field.kind == FieldKind::Chars) {
                value = "Z9A0";
            } else if (field.kind == FieldKind::Choice) {
                const auto entries = CameraChoices(field.list, model.index, kEnglish);
                const auto next = static_cast<std::size_t>(opening.*field.number + 1);
                value = entries[next % entries.size()];
            } else {
                const int held = opening.*field.number;
                value = std::to_string(held == field.max ? field.max - 1 : field.max);
            }
            given[std::string(field.key)] = value;
            args.insert(args.end(), {"--set", std::string(field.key) + "=" + value});
        }
        const auto bytes = Written(args);
        const CliRun run = Run({"inspect", WriteFile(bytes).string(), "--model",
                                std::to_string(model.index), "--json"});
        ASSERT_EQ(run.code, kExitOk) << run.err;
        const auto report = nlohmann::json::parse(run.out);
        EXPECT_TRUE(report.at("notes").empty()) << report.at("notes");
        std::size_t found = 0;
        for (const char* section : {"fields", "firstFamily", "secondFamily"}) {
            for (const auto& field : report.value(section, nlohmann::json::array())) {
                const auto key = given.find(field.at("name").get<std::string>());
                if (key != given.end()) {
                    // Numbers may carry their unit after them ("59 Sec").
                    EXPECT_EQ(field.at("meaning").get<std::string>().rfind(key->second, 0), 0U)
                        << key->first << ": " << field.at("meaning") << " for " << key->second;
                    ++found;
                }
            }
        }
        // The interval unit is told with the interval value; every other key has its entry.
        EXPECT_EQ(found, given.size() - 1);
    }
}

TEST_F(InspectTest, JsonReportParsesBack) {
    auto bytes =
        Written({"--model", "5", "--set", "imageSize=5MP", "--clock", "2014-05-07 13:04:09"});
    const CliRun sound = Run({"inspect", WriteFile(bytes).string(), "--model", "5", "--json"});
    ASSERT_EQ(sound.code, kExitOk);
    const auto json = nlohmann::json::parse(sound.out);
    EXPECT_TRUE(json.at("valid").get<bool>());
    EXPECT_EQ(json.at("model"), 5);
    EXPECT_FALSE(json.contains("secondFamily"));
    EXPECT_EQ(json.at("firstFamily").size(), 6U);
    const auto& fields = json.at("fields");
    const auto imageSize = std::find_if(fields.begin(), fields.end(), [](const auto& field) {
        return field.at("name") == "imageSize";
    });
    ASSERT_NE(imageSize, fields.end());
    EXPECT_EQ(imageSize->at("meaning"), "5MP");
    EXPECT_EQ(imageSize->at("bytes"), nlohmann::json::array({1}));
    const auto clockField = std::find_if(fields.begin(), fields.end(), [](const auto& field) {
        return field.at("name") == "clock";
    });
    ASSERT_NE(clockField, fields.end());
    EXPECT_EQ(clockField->at("meaning"), "2014-05-07 13:04:09");

    bytes[10] ^= 1;
    const CliRun damaged = Run({"inspect", WriteFile(bytes).string(), "--json"});
    EXPECT_EQ(damaged.code, kExitDamaged);
    const auto report = nlohmann::json::parse(damaged.out);
    EXPECT_FALSE(report.at("valid").get<bool>());
    EXPECT_FALSE(report.at("checksum").at("ok").get<bool>());
    EXPECT_EQ(report.at("problems").size(), 1U);
    EXPECT_TRUE(report.at("model").is_null());
}

}  // namespace
}  // namespace tov::cli
