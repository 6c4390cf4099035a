#include "cli/CommandLine.h"

#include "cli/CliRun.h"
#include "common/RecordFile.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

// inspect against folders of links and against files no form writes.

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::WriteBytes;

class InspectHostileTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; }, codec};
    test::TempDir dir;

    CliRun Run(const std::vector<std::string>& args) { return test::RunCli(args, env); }
    void WriteSmtp() {
        const CliRun run =
            Run({"smtp", "--out", dir.str(), "--model", "4", "--set", "smtpServer=smtp.example.com",
                 "--set", "port=465", "--set", "senderEmail=cam01@example.com", "--set",
                 "senderPassword=pw-123", "--set", "recipientEmail=me@example.org"});
        ASSERT_EQ(run.code, kExitOk) << run.err;
    }
};

[[maybe_unused]] std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Entries named like the files are read as files, once each: a link to the folder itself or a
// link to itself is reported with its reason and never entered.
TEST_F(InspectHostileTest, FolderLinksAreReportedNotEntered) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need rights a Windows test does not have";
#else
    std::filesystem::create_directory_symlink(".", dir.path() / "menu.dat");
    std::filesystem::create_directory_symlink(".", dir.path() / "setup.dat");
    std::filesystem::create_symlink("smtp.dat", dir.path() / "smtp.dat");
    const CliRun loops = Run({"inspect", dir.str()});
    EXPECT_EQ(loops.code, kExitBadInput);
    EXPECT_EQ(Lines(loops.err), 3U) << loops.err;
    EXPECT_NE(loops.err.find("menu.dat: it is a folder, not a file"), std::string::npos);
    EXPECT_NE(loops.err.find("setup.dat: it is a folder, not a file"), std::string::npos);
    EXPECT_NE(loops.err.find("smtp.dat: Too many levels of symbolic links"), std::string::npos)
        << loops.err;
    EXPECT_EQ(loops.err.find("no configuration file"), std::string::npos);

    // A sound file beside such a link is still read, once.
    std::filesystem::remove(dir.path() / "smtp.dat");
    WriteSmtp();
    const CliRun beside = Run({"inspect", dir.str(), "--json"});
    EXPECT_EQ(beside.code, kExitBadInput);
    EXPECT_EQ(Lines(beside.err), 2U) << beside.err;
    EXPECT_EQ(nlohmann::json::parse(beside.out).at("reports").at(0).at("valid"), true);
#endif
}

// A sound frame around values no form writes has an exit code of its own, so that a script
// tells a file the tool would write from one it would not.
TEST_F(InspectHostileTest, ValuesNoFormWritesExitWithFour) {
    WriteSmtp();
    const auto path = dir.path() / "smtp.dat";
    const std::vector<std::uint8_t> written = ReadBytes(path);
    EXPECT_EQ(Run({"inspect", path.string()}).code, kExitOk);
    EXPECT_EQ(Run({"inspect", path.string(), "--model", "4"}).code, kExitOk);

    const RecordFileReading reading = ReadRecordFile(written);
    RecordFileBody plain = reading.plain;
    plain[0][20] = 0x5A;  // a reserved header byte
    WriteBytes(path, BuildRecordFile(
                         plain, static_cast<std::uint16_t>(reading.storedCheck - reading.crc)));
    const CliRun odd = Run({"inspect", path.string()});
    EXPECT_EQ(odd.code, kExitUnexpected) << odd.out;
    EXPECT_NE(odd.out.find("result: valid, but no form writes these values"), std::string::npos);
    const CliRun json = Run({"inspect", path.string(), "--json", "--model", "4"});
    EXPECT_EQ(json.code, kExitUnexpected);
    const auto report = nlohmann::json::parse(json.out);
    EXPECT_EQ(report.at("valid"), true);
    EXPECT_EQ(report.at("writtenByAForm"), false);

    // Damage outranks it, in a folder too.
    std::vector<std::uint8_t> damaged = ReadBytes(path);
    damaged[kRecordFileSize - 3] ^= 1;  // the check
    WriteBytes(path, damaged);
    EXPECT_EQ(Run({"inspect", path.string()}).code, kExitDamaged);
    EXPECT_EQ(Run({"inspect", dir.str()}).code, kExitDamaged);
}

// Text read from a file reaches the terminal as printable ASCII: a direction override, an escape
// sequence and the code page's other bytes as \xNN, in the text and the JSON report.
TEST_F(InspectHostileTest, FileTextsAreEscaped) {
    WriteSmtp();
    const auto path = dir.path() / "smtp.dat";
    const RecordFileReading reading = ReadRecordFile(ReadBytes(path));
    RecordFileBody plain = reading.plain;
    const std::string planted = "a\xE2\x80\xAE\x1B[2J\xC3\xA9\x81";  // and an é
    const std::size_t record = 4;                                    // smtpServer
    std::fill(plain[record].begin(), plain[record].begin() + kRecordLengthOffset, 0);
    std::copy(planted.begin(), planted.end(), plain[record].begin());
    plain[record][kRecordLengthOffset] = static_cast<std::uint8_t>(planted.size());
    WriteBytes(path, BuildRecordFile(
                         plain, static_cast<std::uint16_t>(reading.storedCheck - reading.crc)));
    const std::string shown = R"("a\xE2\x80\xAE\x1B[2J\xC3\xA9\x81")";
    for (const bool json : {false, true}) {
        std::vector<std::string> args = {"inspect", path.string(), "--model", "4"};
        if (json) {
            args.emplace_back("--json");
        }
        const CliRun run = Run(args);
        EXPECT_EQ(run.out.find("\xE2\x80\xAE"), std::string::npos) << json;
        EXPECT_EQ(run.out.find('\x1B'), std::string::npos) << json;
        if (json) {
            bool found = false;
            const auto report = nlohmann::json::parse(run.out);
            for (const auto& field : report.at("fields")) {
                found = found || field.at("meaning") == shown;
            }
            EXPECT_TRUE(found) << run.out;
        } else {
            EXPECT_NE(run.out.find(shown), std::string::npos) << run.out;
        }
    }
}

}  // namespace
}  // namespace tov::cli
