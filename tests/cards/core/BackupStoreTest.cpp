#include "cards/core/BackupStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tov::cards {
namespace {

using test::ReadBytes;

TEST(BackupStore, KeepsTheNewestTwentyPerCardAndFile) {
    test::TempDir dir;
    const BackupStore store(dir.path());
    for (int minute = 0; minute < 22; ++minute) {
        const std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(minute)};
        ASSERT_TRUE(store.Keep("TOVCARD", "menu.dat", bytes, {2026, 12, 9, 23, minute, 5}).ok);
    }
    EXPECT_EQ(store.List().size(), 22U);  // nothing goes before the write is verified
    store.Trim("TOVCARD", "menu.dat");
    ASSERT_TRUE(
        store.Keep("OTHER", "menu.dat", std::vector<std::uint8_t>{0xAA}, {2026, 12, 9, 23, 0, 0})
            .ok);
    const std::vector<Backup> backups = store.List();
    ASSERT_EQ(backups.size(), 21U);
    EXPECT_EQ(backups[0].id, "OTHER/menu.dat/2026-12-09_23-00-00");
    // The two oldest of TOVCARD are gone; the rest are there, oldest first.
    EXPECT_EQ(backups[1].id, "TOVCARD/menu.dat/2026-12-09_23-02-05");
    EXPECT_EQ(backups[1].time, "2026-12-09 23:02:05");
    EXPECT_EQ(ReadBytes(backups[1].path), std::vector<std::uint8_t>{2});
    EXPECT_EQ(backups[20].id, "TOVCARD/menu.dat/2026-12-09_23-21-05");
    EXPECT_EQ(backups[20].size, 1U);
}

TEST(BackupStore, SameSecondLabelsAndFinding) {
    test::TempDir dir;
    const BackupStore store(dir.path());
    const LocalDateTime at{2026, 1, 2, 3, 4, 5};
    Backup first;
    Backup second;
    ASSERT_TRUE(store.Keep("", "smtp.dat", std::vector<std::uint8_t>{1}, at, &first).ok);
    ASSERT_TRUE(store.Keep("", "smtp.dat", std::vector<std::uint8_t>{2}, at, &second).ok);
    EXPECT_EQ(first.id, "card/smtp.dat/2026-01-02_03-04-05");
    EXPECT_EQ(second.id, "card/smtp.dat/2026-01-02_03-04-05_002");
    EXPECT_EQ(store.List().back().id, second.id);  // the later one sorts last
    EXPECT_EQ(ReadBytes(first.path), std::vector<std::uint8_t>{1});

    ASSERT_EQ(store.Find(second.id)->path, second.path);
    ASSERT_TRUE(store.Find(second.path.string()).has_value());
    EXPECT_EQ(store.Find(second.path.string())->id, second.id);
    EXPECT_FALSE(store.Find("card/smtp.dat/nothing").has_value());
    EXPECT_FALSE(store.Find("../../etc/passwd").has_value());

    struct Case {
        std::string_view label;
        std::string_view folder;
    };
    const Case cases[] = {{"CAM/01", "CAM_01"},
                          {"..", "card"},
                          {"a:b*?", "a_b__"},
                          {"Karte 相机", "Karte 相机"},
                          {"x\ny", "x_y"}};
    for (const Case& c : cases) {
        EXPECT_EQ(BackupFolderName(c.label), c.folder);
    }
}

// Sixty writes in one second from two writers at once: every backup keeps its own name, the
// newest twenty stay in their order, and every file and folder is its owner's only.
TEST(BackupStore, ManyInOneSecondFromTwoWritersKeepEveryBackup) {
    test::TempDir dir;
    const BackupStore store(dir.path() / "backups");
    const LocalDateTime at{2026, 12, 10, 10, 25, 46};
    std::vector<Backup> kept(60);
    const auto keep = [&](int first) {
        for (int n = first; n < 60; n += 2) {
            const std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(n), 0x7E};
            ASSERT_TRUE(store.Keep("TOVCARD_1A2B-3C4D", "smtp.dat", bytes, at, &kept[n]).ok);
        }
    };
    std::thread other(keep, 1);
    keep(0);
    other.join();
    std::set<std::string> ids;
    for (const Backup& backup : kept) {
        ids.insert(backup.id);
    }
    EXPECT_EQ(ids.size(), 60U);
    EXPECT_EQ(store.List().size(), 60U);

    store.Trim("TOVCARD_1A2B-3C4D", "smtp.dat");
    const std::vector<Backup> left = store.List();
    ASSERT_EQ(left.size(), kBackupsKept);
    EXPECT_EQ(left.front().id, "TOVCARD_1A2B-3C4D/smtp.dat/2026-12-10_10-25-46_041");
    EXPECT_EQ(left.back().id, "TOVCARD_1A2B-3C4D/smtp.dat/2026-12-10_10-25-46_060");
    for (const Backup& backup : left) {
        // Each backup holds what was kept under its name.
        const auto named = std::find_if(kept.begin(), kept.end(),
                                        [&](const Backup& k) { return k.id == backup.id; });
        ASSERT_NE(named, kept.end());
        EXPECT_EQ(ReadBytes(backup.path), ReadBytes(named->path));
    }
#ifndef _WIN32
    const auto mode = [](const std::filesystem::path& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode & 0777;
    };
    EXPECT_EQ(mode(dir.path() / "backups"), 0700U);
    EXPECT_EQ(mode(left.front().path.parent_path()), 0700U);
    EXPECT_EQ(mode(left.front().path.parent_path().parent_path()), 0700U);
    EXPECT_EQ(mode(left.front().path), 0600U);
    // A link planted among the backups is no backup: neither listed nor found.
    std::filesystem::create_symlink("/etc/passwd",
                                    left.front().path.parent_path() / "2027-01-01_00-00-00.dat");
    EXPECT_EQ(store.List().size(), kBackupsKept);
    EXPECT_FALSE(store.Find("TOVCARD_1A2B-3C4D/smtp.dat/2027-01-01_00-00-00").has_value());
#endif
}

TEST(BackupStore, UnwritableRootIsReported) {
    test::TempDir dir;
    test::WriteBytes(dir.path() / "file", {1});
    const BackupStore store(dir.path() / "file");
    const WriteResult result =
        store.Keep("C", "menu.dat", std::vector<std::uint8_t>{1}, {2026, 1, 1, 0, 0, 0});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

}  // namespace
}  // namespace tov::cards
