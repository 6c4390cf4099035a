#include "cli/CommandLine.h"

#include "app/host/QtFileTextCodec.h"
#include "app/host/SettingsPreferenceBackend.h"
#include "common/SafeFileWriterDetail.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"
#include "support/WithoutFileRights.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

// Hostile input grouped as three tables: options and their values, input files that are no
// regular file or fail to read, and preference files in every condition.

namespace tov::cli {
namespace {

using test::ReadBytes;
using test::TempDir;

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

class HostileInputTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend memory;
    LocalDateTime clock{2014, 5, 7, 13, 4, 9};
    QtFileTextCodec codec{0x0409};
    TempDir dir;
    std::string card = dir.str();
    std::string menuFile = (dir.path() / "menu.dat").string();

    CliRun Run(const std::vector<std::string>& args, PreferenceBackend& prefs) {
        CliEnvironment env{prefs, 0x0409, [this] { return clock; }, codec};
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCommandLine(args, env, out, err);
        return {code, out.str(), err.str()};
    }
    CliRun Run(const std::vector<std::string>& args) { return Run(args, memory); }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name, std::ios::binary) << text;
        return (dir.path() / name).string();
    }
};

// Nothing a message repeats from the input may reach the terminal as a control character.
testing::AssertionResult Printable(const std::string& text) {
    const auto raw = std::find_if(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && c != '\n') || b == 0x7F;
    });
    if (raw == text.end()) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "raw control character in: " << text;
}

TEST_F(HostileInputTest, OptionValuesAreRefusedWithAReasonAndWriteNothing) {
    const std::string json = Write("twice.json", R"({"videoLength": 5, "videoLength": 6})");
    const std::string escape = Write("escape.json", R"({"a\u001b[2J": 1, "a\u001b[2J": 2})");
    const struct {
        std::vector<std::string> args;
        int code;
        std::string message;
    } cases[] = {
        // Given but empty: an unset variable in a script.
        {{"menu", "--out", ""}, 2, "--out: a folder is needed"},
        {{"menu", "--out", card, "--model", ""}, 2, "--model: \"\" is not a model"},
        {{"menu", "--out", card, "--language", ""}, 2, "--language: \"\" is not a language"},
        {{"menu", "--out", card, "--tv-mode", ""}, 2, "--tv-mode: \"\" is not a number"},
        {{"menu", "--out", card, "--clock", ""}, 2, "--clock: \"\" is not a valid"},
        {{"menu", "--out", card, "--settings", ""}, 2, "--settings: cannot read : "},
        {{"menu", "--out", card, "--set", ""}, 2, "--set: \"\" is not of the form KEY=VALUE"},
        {{"menu", "--out", card, "--set", "videoLength="},
         2,
         "videoLength: 请键入一个整数。 (Please enter an integer.)"},
        {{"prefs", "--tv-mode", ""}, 2, "--tv-mode: \"\" is not a number"},
        {{"inspect", ""}, 2, "cannot read : "},
        {{"inspect", json, "--as", ""}, 2, "--as: \"\" is not a file the tool writes"},
        {{"inspect", json, "--model", ""}, 2, "--model: \"\" is not a model"},
        {{"operators", ""}, 2, "\"\" is not a catalogue"},
        {{"operators", "mms", "--country", ""}, 2, "--country: \"\" is not a country"},
        // Clocks: no year 0 or 9999, no 30 February.
        {{"menu", "--out", card, "--clock", "0000-01-01 00:00:00"}, 2, "in the years 1970..2099"},
        {{"menu", "--out", card, "--clock", "9999-12-31 23:59:59"}, 2, "in the years 1970..2099"},
        {{"menu", "--out", card, "--clock", "2040-02-30 12:00:00"}, 2, "is not a valid"},
        // The form's standard messages, with their English text.
        {{"menu", "--out", card, "--set", "timer2StartHour=24"},
         2,
         "timer2StartHour: “请填入一个在0和23之间的整数。” (Please enter an integer between 0 and "
         "23.)"},
        // A key given twice in a settings file.
        {{"menu", "--out", card, "--settings", json}, 2, "videoLength: is given twice in"},
        // Control characters are shown, not obeyed.
        {{"menu", "--out", card, "--set", "vid\x1b[31m=5"}, 2, "vid\\x1B[31m: unknown setting"},
        {{"menu", "--out", card, "--set", "cameraMode=\x1b]0;x\x07"}, 2, "\"\\x1B]0;x\\x07\" is"},
        {{"menu", "--out", card, "--settings", escape}, 2, "a\\x1B[2J: is given twice"},
        {{"menu", "--out", card, "--bogus\x1b[2J"}, 2, "--bogus\\x1B[2J"},
        {{"inspect", card + "/\x1b[2J"}, 2, "cannot read " + card + "/\\x1B[2J: No such file"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.args);
        SCOPED_TRACE(Printable(c.args.back()) + "\n" + run.err);
        EXPECT_EQ(run.code, c.code);
        EXPECT_NE(run.err.find(c.message), std::string::npos);
        EXPECT_TRUE(Printable(run.err));
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(menuFile));
}

// A clock the camera cannot take is held, never to a date that does not exist, and said.
TEST_F(HostileInputTest, HeldClockKeepsARealDateAndSaysSo) {
    const struct {
        std::optional<std::string> given;
        LocalDateTime host;
        std::vector<std::uint8_t> bytes;  // 14..19
        std::string note;
    } cases[] = {
        {"2040-02-29 12:00:00", {}, {21, 2, 28, 12, 0, 0}, "it is set to 2031-02-28 12:00:00"},
        {"2000-02-29 01:02:03", {}, {1, 2, 28, 1, 2, 3}, "it is set to 2011-02-28 01:02:03"},
        {std::nullopt, {2040, 2, 29, 8, 9, 10}, {21, 2, 28, 8, 9, 10}, "2031-02-28 08:09:10"},
        {"2020-02-29 08:09:10", {}, {10, 2, 29, 8, 9, 10}, ""},
    };
    for (const auto& c : cases) {
        clock = c.host;
        std::vector<std::string> args = {"menu", "--out", card};
        if (c.given) {
            args.insert(args.end(), {"--clock", *c.given});
        }
        const CliRun run = Run(args);
        ASSERT_EQ(run.code, kExitOk) << run.err;
        const auto bytes = ReadBytes(menuFile);
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 14, bytes.begin() + 20), c.bytes);
        EXPECT_EQ(run.err.empty(), c.note.empty()) << run.err;
        EXPECT_NE(run.err.find(c.note), std::string::npos) << run.err;
        EXPECT_EQ(Run({"inspect", menuFile}).code, kExitOk);
    }
}

// What the message says of the previous file, and the card that gives back other bytes.
TEST_F(HostileInputTest, WriteFailuresSayWhatBecameOfThePreviousFile) {
    using detail::WriteStep;
    const std::string notAFolder = Write("card", "x");
    const struct {
        std::string out;
        bool previous;
        std::optional<WriteStep> fault;
        std::string message;
    } cases[] = {
        {notAFolder, false, {}, "Could not write " + notAFolder + "/menu.dat: Not a directory\n"},
        {card, false, WriteStep::Flush, "Could not write " + menuFile + ": Input/output error\n"},
        {card, true, WriteStep::Flush,
         ": Input/output error\nThe previous file was left unchanged.\n"},
        {card, true, WriteStep::Compare,
         ": The card holds different bytes than were written; try another card or reader\n"
         "The previous file was left unchanged.\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(menuFile);
        if (c.previous) {
            Write("menu.dat", "old");
        }
        detail::SetWriteFault([&](WriteStep step) { return step == c.fault; });
        const CliRun run = Run({"menu", "--out", c.out});
        detail::SetWriteFault(nullptr);
        EXPECT_EQ(run.code, kExitWriteFailed);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.size() - std::min(run.err.size(), run.err.rfind(c.message)),
                  c.message.size())
            << run.err;
        EXPECT_EQ(std::filesystem::exists(menuFile), c.previous);
    }
}

TEST_F(HostileInputTest, InputsThatAreNoRegularFileOrFailToRead) {
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = Write("locked.json", "{}");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const struct {
        std::string path;
        int inspectCode;
        std::string inspectSays;
        std::string settingsSays;
    } cases[] = {
        {(dir.path() / "absent").string(), 2, "No such file or directory", ""},
        {card, 2, "no configuration file (menu.dat) in", "it is a folder, not a file"},
        {fifo, 2, "it is not a regular file", ""},
        {"/dev/null", 2, "it is not a regular file", ""},
        {"/proc/self/mem", 2, "Input/output error", ""},
        // procfs reports 0 bytes and gives far more than any limit.
        {"/proc/self/pagemap", 3, "size is more than 1048576 bytes", "is too large for settings"},
        {locked, 2, "Permission denied", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CliRun inspect{};
        CliRun menu{};
        ASSERT_TRUE(test::RunWithoutFileRights([&] {
            inspect = Run({"inspect", c.path});
            menu = Run({"menu", "--out", card, "--settings", c.path});
        }));
        const std::string& says = c.inspectCode == 2 ? inspect.err : inspect.out;
        EXPECT_EQ(inspect.code, c.inspectCode);
        EXPECT_NE(says.find(c.inspectSays), std::string::npos) << says;
        EXPECT_EQ(menu.code, kExitBadInput);
        const std::string settingsSays = c.settingsSays.empty() ? c.inspectSays : c.settingsSays;
        EXPECT_NE(menu.err.find("--settings: "), std::string::npos) << menu.err;
        EXPECT_NE(menu.err.find(settingsSays), std::string::npos) << menu.err;
        EXPECT_FALSE(std::filesystem::exists(menuFile));
    }
}

// The preference file in every condition: what prefs says of it and what menu makes of it.
TEST_F(HostileInputTest, PreferenceFilesInEveryCondition) {
    const auto perms = std::filesystem::perms::owner_read;
    const struct {
        std::string name;
        std::optional<std::string> text;  // none: a folder in its place
        std::filesystem::perms mode;
        std::string keptIn;  // what prefs says after the path
        int menuCode;
        std::string menuSays;
    } cases[] = {
        {"missing", "", {}, " (not created yet)", 0, "Tov 2740 Configuration"},
        {"sound", "model=4\n", perms, " (read-only: its values are used, changes are not stored)",
         0, "Tov 9030 Configuration"},
        {"unreadable", "model=4\n", std::filesystem::perms::none,
         " (unreadable (Permission denied): the defaults are used)", 0, "Tov 2740 Configuration"},
        {"damaged", std::string("model=4\n\0\xff", 10), perms,
         " (damaged (not an INI text file): the defaults are used)", 0, "Tov 2740 Configuration"},
        {"folder",
         std::nullopt,
         {},
         " (a folder, not a file: the defaults are used)",
         0,
         "Tov 2740 Configuration"},
        {"language 999", "language=999\nmodel=4\n", perms, " (read-only", 2,
         "language: the stored preference \"language\" 999 (kept in "},
        {"model 999", "model=999\n", perms, " (read-only", 2,
         "model: the stored preference \"model\" 999 (kept in "},
        {"model 0", "model=0\n", perms, " (read-only", 2,
         ") is not in the list, and no form "
         "writes a file for it; give --model "
         "instead: 1..5, Tov 2740M (2740M)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(menuFile);
        const auto path = dir.path() / (c.name + ".ini");
        if (!c.text) {
            std::filesystem::create_directory(path);
        } else if (c.name != "missing") {
            Write(path.filename().string(), *c.text);
            std::filesystem::permissions(path, c.mode);
        }
        SettingsPreferenceBackend backend(QString::fromStdString(path.string()));
        CliRun prefs{};
        CliRun menu{};
        ASSERT_TRUE(test::RunWithoutFileRights([&] {
            prefs = Run({"prefs"}, backend);
            menu = Run({"menu", "--out", card}, backend);
        }));
        EXPECT_EQ(prefs.code, kExitOk);
        EXPECT_NE(prefs.out.find("kept in: " + path.string() + c.keptIn), std::string::npos)
            << prefs.out;
        EXPECT_EQ(menu.code, c.menuCode) << menu.err;
        EXPECT_NE((menu.code == 0 ? menu.out : menu.err).find(c.menuSays), std::string::npos)
            << menu.out << menu.err;
        EXPECT_EQ(std::filesystem::exists(menuFile), c.menuCode == 0);
        if (c.menuCode != 0) {
            // The options stand in for the stored values.
            EXPECT_EQ(Run({"menu", "--out", card, "--model", "2", "--language", "2"}, backend).code,
                      kExitOk);
        }
    }
}

}  // namespace
}  // namespace tov::cli
