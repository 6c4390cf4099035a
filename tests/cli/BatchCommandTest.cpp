#include "cli/BatchCommand.h"

#include "cli/CliRun.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;

// menu.dat keeps the serial number's four characters at bytes 25..28 as positions in 0-9A-Z,
// setup.dat its texts scrambled: a folder's own values are read back through inspect.
class BatchCommandTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2026, 1, 1, 0, 0, 0}; }, codec};
    TempDir dir;

    void SetUp() override {
        batchCardPoll = std::chrono::milliseconds(1);
        batchCardWaitLimit = std::chrono::seconds(5);  // a card that never comes fails the test
    }
    CliRun Run(std::vector<std::string> args) { return test::RunCli(args, env); }
    std::string Put(const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name, std::ios::binary) << text;
        return (dir.path() / name).string();
    }
    std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Profile() {
        return Put("p.json", R"({"format": 1, "model": "Tov 9030MG",
            "menu": {"serialOn": "On", "serialChars": "A000", "videoLength": 20},
            "mms": {"mode": "Manual", "url": "http://mms.example.com", "apn": "mms",
                    "gateway": "10.0.0.1", "port": "8080", "phone1": "07700900000",
                    "email": "all@example.com"}})");
    }
};

// Five folders with their own values and one bad line between them: the five written with
// their values, the bad line skipped with its reason, all six in the log. The last line
// leaves its serial empty: it gets the profile's, not the line before's.
TEST_F(BatchCommandTest, FolderLinesWithTheirOwnValues) {
    std::string csv = "destination,serialChars,phone1\n";
    for (int n = 1; n <= 6; ++n) {
        std::filesystem::create_directory(dir.path() / ("c" + std::to_string(n)));
        const std::string serial = n == 3 ? "A0!3" : n == 6 ? "" : "B00" + std::to_string(n);
        csv += (dir.path() / ("c" + std::to_string(n))).string() + "," + serial + ",0770090000" +
               std::to_string(n) + "\n";
    }
    const std::string log = (dir.path() / "log.csv").string();
    const CliRun run = Run({"batch", "--settings", Profile(), "--cards", Put("cards.csv", csv),
                            "--log", log, "--clock", "2026-01-01 00:00:00"});
    EXPECT_EQ(run.code, kExitBadInput) << run.err;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const std::filesystem::path folder = dir.path() / ("c" + std::to_string(n));
        if (n == 3) {
            EXPECT_TRUE(std::filesystem::is_empty(folder));
            continue;
        }
        const std::vector<std::uint8_t> menu = ReadBytes(folder / "menu.dat");
        ASSERT_EQ(menu.size(), 60U);
        // "B00n": B is position 11, 0 position 0, n position n; the profile's "A000": A is 10.
        EXPECT_EQ(std::vector<std::uint8_t>(menu.begin() + 25, menu.begin() + 29),
                  n == 6 ? (std::vector<std::uint8_t>{10, 0, 0, 0})
                         : (std::vector<std::uint8_t>{11, 0, 0, static_cast<std::uint8_t>(n)}));
        const CliRun inspected =
            Run({"inspect", "--model", "9030MG", (folder / "setup.dat").string()});
        EXPECT_NE(inspected.out.find("\"0770090000" + std::to_string(n) + "\""), std::string::npos);
        EXPECT_NE(inspected.out.find("\"all@example.com\""), std::string::npos);
    }
    EXPECT_NE(run.out.find("card 3 of 6: " + (dir.path() / "c3").string() +
                           ": skipped: menu.dat: serialChars: \"A0!3\" must be four characters"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("card 6 of 6: " + (dir.path() / "c6").string() + ": written"),
              std::string::npos);
    const std::string logged = Read(log);
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 7) << logged;
    EXPECT_EQ(logged.rfind("destination,card,files,result,reason\n", 0), 0U);
    EXPECT_NE(logged.find((dir.path() / "c1").string() + ",,menu.dat setup.dat,written,\n"),
              std::string::npos)
        << logged;
    EXPECT_NE(logged.find(",skipped,\"menu.dat: serialChars: \"\"A0!3\"\""), std::string::npos)
        << logged;
}

TEST_F(BatchCommandTest, BadListsAreRefusedBeforeAnyWrite) {
    const struct {
        std::string csv;
        std::string says;
    } cases[] = {
        {"folder,phone1\nx,1\n", "the first line names the columns"},
        {"destination,phone1\n\"x,1\n", "line 2: a quote is not closed"},
        // Columns are known and given once, whether or not a line fills them.
        {"destination,senderPassword,senderPassword\nx,a,b\n",
         "column 3 \"senderPassword\" repeats column 2"},
        {"destination,phone1, phone1\nx,1,\n", "column 3 \"phone1\" repeats column 2"},
        {"destination,phone1,nokey\nx,1,\n",
         "column 3 \"nokey\" is a setting of no file the profile holds"},
        {"destination,,phone1\nx,,1\n", "column 2 has no name"},
    };
    for (const auto& c : cases) {
        const CliRun run =
            Run({"batch", "--settings", Profile(), "--cards", Put("cards.csv", c.csv)});
        EXPECT_EQ(run.code, kExitBadInput);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "menu.dat"));
}

// A cards file saved by a spreadsheet (a byte-order mark) is read; what the log repeats of the
// file and of a card's label cannot act as a formula or drive a terminal.
TEST_F(BatchCommandTest, LogCellsAreSafeToOpen) {
    TempDir labelled;
    env.listCards = [&] {
        cards::Card c;
        c.mountPoint = labelled.str();
        c.label = "=1+1";
        c.device = "/dev/sdz1";
        c.format = cards::VolumeFormat::Fat32;
        c.fileSystem = "FAT32";
        c.totalBytes = 64ULL << 20;
        return std::vector<cards::Card>{c};
    };
    env.ejectCard = [](const cards::Card&) {
        return EjectResult{false, "-busy"};
    };
    const std::string csv = "\xEF\xBB\xBF"
                            "destination,serialChars\n"
                            "card,C001\n"
                            "@x,A0!3\n"
                            "\"\x1b[2J\x07\",A0!3\n";
    const std::string log = (dir.path() / "log.csv").string();
    const CliRun run = Run({"batch", "--settings", Profile(), "--cards", Put("cards.csv", csv),
                            "--log", log, "--clock", "2026-01-01 00:00:00"});
    EXPECT_EQ(run.code, kExitBadInput) << run.err;
    EXPECT_EQ(ReadBytes(labelled.path() / "menu.dat").at(28), 1);
    const std::string skipped =
        "skipped,\"menu.dat: serialChars: \"\"A0!3\"\" must be four characters of 0-9 and A-Z "
        "(e.g. A9Z0); nothing was written\"\n";
    EXPECT_EQ(Read(log), "destination,card,files,result,reason\n"
                         "card,'=1+1,menu.dat setup.dat,written,'-busy\n"
                         "'@x,,," +
                             skipped + "\\x1B[2J\\x07,,," + skipped);
    EXPECT_EQ(run.out.find_first_of("\x1b\x07"), std::string::npos) << run.out;
}

// `card` lines wait for the next card, write it, eject it and refuse a card written already;
// a stop asked for during a card ends the batch before the next one.
TEST_F(BatchCommandTest, CardLinesWaitWriteEjectAndStop) {
    TempDir firstCard;
    TempDir secondCard;
    const auto card = [](const TempDir& root, const std::string& label) {
        cards::Card c;
        c.mountPoint = root.str();
        c.label = label;
        c.device = "/dev/" + label;
        c.format = cards::VolumeFormat::Fat32;
        c.fileSystem = "FAT32";
        c.totalBytes = 64ULL << 20;
        return c;
    };
    // The first card stays in for a few looks after its eject, then the second comes.
    std::vector<std::string> ejected;
    int looksAfterEject = 0;
    env.listCards = [&] {
        const bool first = ejected.empty() || ++looksAfterEject <= 3;
        return std::vector<cards::Card>{first ? card(firstCard, "ONE") : card(secondCard, "TWO")};
    };
    env.ejectCard = [&](const cards::Card& c) {
        ejected.push_back(c.label);
        return EjectResult{true, "The card may be removed now."};
    };
    const std::string csv = "destination,serialChars\ncard,C001\ncard,C002\n";
    const CliRun run = Run({"batch", "--settings", Profile(), "--cards", Put("cards.csv", csv),
                            "--clock", "2026-01-01 00:00:00"});
    ASSERT_EQ(run.code, kExitOk) << run.out << run.err;
    EXPECT_EQ(ejected, (std::vector<std::string>{"ONE", "TWO"}));
    EXPECT_EQ(ReadBytes(firstCard.path() / "menu.dat").at(28), 1);
    EXPECT_EQ(ReadBytes(secondCard.path() / "menu.dat").at(28), 2);
    EXPECT_NE(run.err.find("this card was written in this batch already"), std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("card 1 of 2: card (ONE): written: ejected; insert the next card"),
              std::string::npos)
        << run.out;

    // --again takes the same card; a stop asked for during the first card ends the batch.
    ejected.clear();
    env.listCards = [&] {
        return std::vector<cards::Card>{card(firstCard, "ONE")};
    };
    env.ejectCard = [&](const cards::Card& c) {
        ejected.push_back(c.label);
        BatchStopRequested().store(true);  // Ctrl+C while the card is written
        return EjectResult{true, "The card may be removed now."};
    };
    const CliRun stopped =
        Run({"batch", "--settings", Profile(), "--cards", Put("cards.csv", csv), "--again"});
    EXPECT_EQ(stopped.code, kExitWriteFailed);
    EXPECT_EQ(ejected, std::vector<std::string>{"ONE"});
    EXPECT_NE(stopped.out.find("card 1 of 2: card (ONE): written"), std::string::npos);
    EXPECT_NE(stopped.out.find("card 2 of 2: card: stopped: Ctrl+C before this card"),
              std::string::npos)
        << stopped.out;
}

}  // namespace
}  // namespace tov::cli
