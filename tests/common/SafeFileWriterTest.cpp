#include "common/SafeFileWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace tov {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew(60, 0xAB);

TEST(SafeFileWriter, WritesAndReplacesWithoutLeavingTemporaryFiles) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);

    const WriteResult result = WriteFileAtomically(target, kNew);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(ReadBytes(target), kNew);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
}

TEST(SafeFileWriter, MissingFolderFailsWithReason) {
    TempDir dir;
    const WriteResult result = WriteFileAtomically(dir.path() / "absent" / "menu.dat", kNew);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("No such file or directory"), std::string::npos) << result.error;
}

TEST(SafeFileWriter, FolderThatIsAFileFails) {
    TempDir dir;
    WriteBytes(dir.path() / "card", kOld);
    const WriteResult result = WriteFileAtomically(dir.path() / "card" / "menu.dat", kNew);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(dir.path() / "card"), kOld);
}

TEST(SafeFileWriter, ReadOnlyFolderKeepsThePreviousFile) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);
    std::filesystem::path folder = dir.path();
    if (::geteuid() == 0) {
        // The superuser writes through permission bits; /proc refuses new files to anyone.
        folder = "/proc";
    } else {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    }
    const WriteResult result = WriteFileAtomically(folder / "menu.dat", kNew);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
}

TEST(SafeFileWriter, ShortWriteFailsAndKeepsThePreviousFile) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);

    // A file size limit makes the medium "full" after 10 bytes, as a full card would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const WriteResult result = WriteFileAtomically(target, kNew);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
}

TEST(SafeFileWriter, FailedRenameRemovesTheTemporaryFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "menu.dat");
    const WriteResult result = WriteFileAtomically(dir.path() / "menu.dat", kNew);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "menu.dat"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
}

TEST(SafeFileWriter, RelativeTargetWithoutFolderIsRefused) {
    const WriteResult result = WriteFileAtomically("menu.dat", kNew);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

}  // namespace
}  // namespace tov
