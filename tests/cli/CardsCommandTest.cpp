#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "common/FilePath.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tov::cli {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::TempDir;

// The command line with cards that are temporary folders, an eject that records, and a
// backups folder of its own.
class CardsCommandTest : public ::testing::Test {
protected:
    MemoryPreferenceBackend prefs;
    LocalDateTime clock{2026, 12, 1, 12, 0, 0};
    QtFileTextCodec codec = tov::test::CodecOfLanguage(0x0409);
    CliEnvironment env{prefs, 0x0409, [this] { return clock; }, codec};
    TempDir card;
    TempDir secondCard;
    TempDir backups;
    std::vector<cards::Card> present;
    std::vector<std::string> ejected;
    EjectResult ejectAnswer{true, "The card may be removed now."};

    void SetUp() override {
        env.listCards = [this] {
            return present;
        };
        env.ejectCard = [this](const cards::Card& c) {
            ejected.push_back(c.mountPoint);
            return ejectAnswer;
        };
        env.backupsFolder = backups.path();
    }
    static cards::Card Card(const TempDir& dir, std::string label, cards::VolumeFormat format) {
        cards::Card c;
        c.mountPoint = dir.str();
        c.label = std::move(label);
        c.format = format;
        c.fileSystem = cards::FormatName(format, "ext4");
        c.totalBytes = 64ULL << 20;
        c.freeBytes = 60ULL << 20;
        return c;
    }
    CliRun Run(std::vector<std::string> args) { return test::RunCli(args, env); }
    CliRun Menu(std::vector<std::string> more) {
        std::vector<std::string> args = {"menu", "--out", "card", "--model", "4"};
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }
    std::vector<std::uint8_t> CardMenu() const { return ReadBytes(card.path() / "menu.dat"); }
};

TEST_F(CardsCommandTest, OutCardNeedsExactlyOneUsableCard) {
    CliRun run = Menu({"--factory"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "--out card: no memory card found\n");

    present = {Card(card, "A", cards::VolumeFormat::Fat32),
               Card(secondCard, "B", cards::VolumeFormat::ExFat)};
    run = Menu({"--factory"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("2 usable memory cards among " + card.str() + " (A), " +
                           secondCard.str() + " (B)"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(card.Entries().empty());
    EXPECT_TRUE(secondCard.Entries().empty());

    // An NTFS card is listed, not picked: the other one is the only card to write to.
    present[0].format = cards::VolumeFormat::Ntfs;
    run = Menu({"--factory"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(secondCard.Entries(), std::vector<std::string>{"menu.dat"});
    EXPECT_TRUE(card.Entries().empty());
}

TEST_F(CardsCommandTest, RewriteKeepsABackupThatRestoreBringsBack) {
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat)};
    ASSERT_EQ(Menu({"--set", "videoLength=10"}).code, 0);
    const std::vector<std::uint8_t> first = CardMenu();

    // The same bytes again: nothing to keep.
    CliRun run = Menu({"--set", "videoLength=10"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(backups.Entries().empty());

    // A dry run says what would change and writes nothing.
    run = Menu({"--set", "videoLength=30", "--set", "cameraMode=Video", "--dry-run"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, PathText(card.path() / "menu.dat") +
                           ": would be replaced; 2 settings changed: cameraMode, videoLength\n"
                           "nothing was written (--dry-run)\n");
    EXPECT_EQ(CardMenu(), first);
    EXPECT_TRUE(backups.Entries().empty());

    clock.minute = 5;  // another clock: still not counted as a change
    run = Menu({"--set", "videoLength=30", "--set", "cameraMode=Video"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("2 settings changed: cameraMode, videoLength\n"
                           "the previous file is kept as backup "
                           "TOVCARD/menu.dat/2026-12-01_12-05-00\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(CardMenu(), first);

    run = Run({"backups", "--json"});
    ASSERT_EQ(run.code, 0);
    const auto listed = nlohmann::json::parse(run.out);
    ASSERT_EQ(listed["backups"].size(), 1U);
    EXPECT_EQ(listed["backups"][0]["card"], "TOVCARD");
    EXPECT_EQ(listed["backups"][0]["file"], "menu.dat");
    EXPECT_EQ(listed["backups"][0]["size"], 60);

    run = Run({"restore", "TOVCARD/menu.dat/2026-12-01_12-05-00", "--out", "card"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(CardMenu(), first);
    // The file restore replaced is kept too.
    EXPECT_EQ(nlohmann::json::parse(Run({"backups", "--json"}).out)["backups"].size(), 2U);

    run = Run({"restore", "TOVCARD/menu.dat/nothing", "--out", "card"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("is no kept backup"), std::string::npos);
}

TEST_F(CardsCommandTest, UnwritableBackupsFolderWritesNothing) {
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat)};
    ASSERT_EQ(Menu({"--set", "videoLength=10"}).code, 0);
    const std::vector<std::uint8_t> first = CardMenu();
    test::WriteBytes(backups.path() / "file", {1});
    env.backupsFolder = backups.path() / "file";  // a file where the folder should be
    const CliRun run = Menu({"--set", "videoLength=20"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Could not keep a backup"), std::string::npos) << run.err;
    EXPECT_EQ(CardMenu(), first);
}

TEST_F(CardsCommandTest, CardsListing) {
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat),
               Card(secondCard, "STICK", cards::VolumeFormat::Ntfs)};
    test::WriteBytes(card.path() / "setup.dat", {1});
    present[0].cameraFiles = {"setup.dat"};
    CliRun run = Run({"cards", "--json"});
    ASSERT_EQ(run.code, 0);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["cards"].size(), 2U);
    EXPECT_EQ(json["cards"][0]["label"], "TOVCARD");
    EXPECT_EQ(json["cards"][0]["fileSystem"], "exFAT");
    EXPECT_EQ(json["cards"][0]["cameraFiles"], nlohmann::json::array({"setup.dat"}));
    EXPECT_EQ(json["cards"][0]["usable"], true);
    EXPECT_EQ(json["cards"][1]["usable"], false);
    EXPECT_EQ(json["cards"][1]["warnings"][0], "NTFS: the camera reads FAT12/16/32 and exFAT only");

    run = Run({"cards"});
    EXPECT_NE(run.out.find("  label: TOVCARD\n  file system: exFAT\n  size: 64.0 MiB, 60.0 MiB "
                           "free\n  camera card: setup.dat\n"),
              std::string::npos)
        << run.out;
    present.clear();
    EXPECT_EQ(Run({"cards"}).out, "no memory card found\n");
}

TEST_F(CardsCommandTest, EjectNamesTheCard) {
    EXPECT_EQ(Run({"eject"}).code, 2);
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat),
               Card(secondCard, "B", cards::VolumeFormat::Fat16)};
    CliRun run = Run({"eject"});
    EXPECT_EQ(run.code, 2);  // two cards: which?
    EXPECT_TRUE(ejected.empty());
    run = Run({"eject", "TOVCARD"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "The card may be removed now.\n");
    run = Run({"eject", secondCard.str() + "/"});
    EXPECT_EQ(ejected, (std::vector<std::string>{card.str(), secondCard.str()}));
    EXPECT_EQ(Run({"eject", "/nowhere"}).code, 2);

    ejectAnswer = {false, "The card B may not be removed yet: a program still holds a file open"};
    run = Run({"eject", "B"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, ejectAnswer.message + "\n");
}

}  // namespace
}  // namespace tov::cli
