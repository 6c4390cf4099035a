#include "cards/core/BackupStore.h"
#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "cli/FileOutput.h"
#include "common/FilePath.h"
#include "common/SafeFileWriterDetail.h"
#include "support/LanguageCodec.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <sstream>

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
    EXPECT_TRUE(cards::BackupStore(backups.path()).List().empty());

    // A dry run says what would change and writes nothing.
    run = Menu({"--set", "videoLength=30", "--set", "cameraMode=Video", "--dry-run"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, PathText(card.path() / "menu.dat") +
                           ": would be replaced; 2 settings changed: cameraMode, videoLength\n"
                           "nothing was written (--dry-run)\n");
    EXPECT_EQ(CardMenu(), first);
    EXPECT_TRUE(cards::BackupStore(backups.path()).List().empty());

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

// restore writes only what the tool itself would write: anything else among the backups is
// refused with exit 2, and the card keeps its file.
TEST_F(CardsCommandTest, RestoreRefusesWhatTheToolWouldNotWrite) {
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat)};
    ASSERT_EQ(Menu({"--set", "videoLength=10"}).code, 0);
    ASSERT_EQ(Menu({"--set", "videoLength=20"}).code, 0);
    const std::vector<std::uint8_t> onCard = CardMenu();
    const auto kept = nlohmann::json::parse(Run({"backups", "--json"}).out)["backups"];
    ASSERT_EQ(kept.size(), 1U);
    const std::filesystem::path good = std::filesystem::u8path(std::string(kept[0]["path"]));
    const std::filesystem::path folder = good.parent_path();
    std::vector<std::uint8_t> badCheck = ReadBytes(good);
    badCheck[4] ^= 0x01;
    std::vector<std::uint8_t> truncated = ReadBytes(good);
    truncated.resize(30);
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> plant;
        const char* reason;
    };
    const Case cases[] = {
#ifndef _WIN32  // links need rights on Windows that Wine does not give
        {"link", [](const auto& p) { std::filesystem::create_symlink("/etc/passwd", p); },
         "is no kept backup"},
#endif
        {"truncated", [&](const auto& p) { test::WriteBytes(p, truncated); }, "no sound menu.dat"},
        {"bad check", [&](const auto& p) { test::WriteBytes(p, badCheck); }, "no sound menu.dat"},
        {"zeros", [](const auto& p) { test::WriteBytes(p, std::vector<std::uint8_t>(1 << 20)); },
         "no sound menu.dat"},
        {"folder", [](const auto& p) { std::filesystem::create_directory(p); },
         "is no kept backup"},
    };
    int minute = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = "2027-01-01_00-" + std::to_string(10 + minute++) + "-00";
        c.plant(folder / (name + ".dat"));
        const std::string id = std::string(kept[0]["card"]) + "/menu.dat/" + name;
        const CliRun run = Run({"restore", id, "--out", "card", "--model", "4"});
        EXPECT_EQ(run.code, 2) << run.out;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(CardMenu(), onCard);
    }
    // Another kind: a menu.dat kept among the e-mail files is no sound smtp.dat.
    const std::filesystem::path email = folder.parent_path() / "smtp.dat";
    std::filesystem::create_directory(email);
    std::filesystem::copy_file(good, email / "2027-01-02_00-00-00.dat");
    const CliRun other =
        Run({"restore", std::string(kept[0]["card"]) + "/smtp.dat/2027-01-02_00-00-00", "--out",
             "card", "--model", "4"});
    EXPECT_EQ(other.code, 2);
    EXPECT_NE(other.err.find("no sound smtp.dat"), std::string::npos) << other.err;
    EXPECT_FALSE(std::filesystem::exists(card.path() / "smtp.dat"));
}

// A card destination is written only while that card is still there: ejected (its bare
// folder left), or another volume at its place, gives exit 1 naming the card, nothing written
// and no backup kept; failing writes leave the backups as they were.
TEST_F(CardsCommandTest, CardThatWentIsNotWritten) {
    present = {Card(card, "TOVCARD", cards::VolumeFormat::ExFat)};
    present[0].volumeId = VolumeIdOf(card.path());
    ASSERT_EQ(Menu({"--set", "videoLength=10"}).code, 0);
    ASSERT_EQ(Menu({"--set", "videoLength=20"}).code, 0);
    const std::vector<std::uint8_t> onCard = CardMenu();
    const std::size_t backupsBefore = cards::BackupStore(backups.path()).List().size();

    // The finder still lists the card, but the folder is on another volume now.
    present[0].volumeId = *present[0].volumeId + 1;
    CliRun run = Menu({"--set", "videoLength=30"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no longer there"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Memory card: TOVCARD"), std::string::npos) << run.err;
    EXPECT_EQ(CardMenu(), onCard);

    // Another card answers at the same place.
    present[0].volumeId = VolumeIdOf(card.path());
    present[0].serial = "0000-0001";
    const writes::Destination picked{card.str(), present[0]};
    present[0].serial = "1234-ABCD";
    std::ostringstream out;
    std::ostringstream err;
    const AppState state = StoredAppState(env);
    EXPECT_EQ(WriteConfigFileStep(picked, "menu.dat", std::vector<std::uint8_t>(60, 1), {}, state,
                                  env, false, out, err),
              1);
    EXPECT_EQ(CardMenu(), onCard);
    EXPECT_EQ(cards::BackupStore(backups.path()).List().size(), backupsBefore);

    // A write that fails after the backup: the copy of a file still in place is not kept.
    detail::SetWriteFault([](detail::WriteStep step) { return step == detail::WriteStep::Flush; });
    present[0].serial.clear();
    run = Menu({"--set", "videoLength=40"});
    detail::SetWriteFault({});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(CardMenu(), onCard);
    EXPECT_EQ(cards::BackupStore(backups.path()).List().size(), backupsBefore);
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
