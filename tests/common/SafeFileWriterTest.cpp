#include "common/SafeFileWriter.h"

#include "common/FilePath.h"
#include "common/SafeFileWriterDetail.h"
#include "support/TempDir.h"
#include "support/WithoutFileRights.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tov {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew(60, 0xAB);
const std::vector<std::uint8_t> kNone;
const std::vector<std::string> kOnlyTheTarget = {"menu.dat"};

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// A failure says why, in UTF-8: the reason goes into message boxes and onto the command line.
// (On Windows the suite runs once more in a Chinese locale for the UTF-8 part.)
testing::AssertionResult FailedWithReason(const WriteResult& result) {
    if (result.ok) {
        return testing::AssertionFailure() << "the write reported success";
    }
    if (result.error.empty()) {
        return testing::AssertionFailure() << "no reason was given";
    }
    if (!IsUtf8(result.error)) {
        return testing::AssertionFailure() << "the reason is not UTF-8: " << result.error;
    }
    return testing::AssertionSuccess();
}

TEST(SafeFileWriter, WritesAndReplacesWithoutLeavingTemporaryFiles) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);

    const WriteResult result = WriteFileAtomically(target, kNew);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(ReadBytes(target), kNew);
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
}

TEST(SafeFileWriter, FolderProblemsAreNamed) {
    TempDir dir;
    WriteBytes(dir.path() / "card", kOld);
    const struct {
        const char* folder;
        int reason;
    } cases[] = {{"absent", ENOENT}, {"card", ENOTDIR}};
    for (const auto& c : cases) {
        const WriteResult result = WriteFileAtomically(dir.path() / c.folder / "menu.dat", kNew);
        EXPECT_TRUE(FailedWithReason(result)) << c.folder;
        EXPECT_EQ(result.error, std::generic_category().message(c.reason)) << c.folder;
    }
    EXPECT_EQ(ReadBytes(dir.path() / "card"), kOld);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"card"});
}

TEST(SafeFileWriter, TargetWithoutFolderOrNameIsRefused) {
    TempDir dir;
    EXPECT_TRUE(FailedWithReason(WriteFileAtomically("menu.dat", kNew)));
    EXPECT_TRUE(FailedWithReason(WriteFileAtomically(dir.path() / "", kNew)));
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(SafeFileWriter, NewFileGetsThePermissionsOfAPlainCreate) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits";
#else
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    const mode_t saved = ::umask(022);
    for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}, mode_t{0}}) {
        ::umask(mask);
        std::filesystem::remove(target);
        const WriteResult result = WriteFileAtomically(target, kNew);
        EXPECT_TRUE(result.ok) << result.error;
        struct stat info {};
        EXPECT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "umask " << std::oct << mask;
    }
    ::umask(saved);
#endif
}

// A replaced file keeps its permissions, a new one holding passwords is its owner's only, and
// a file its owner made read-only is replaced only when asked.
TEST(SafeFileWriter, FileModesKeptOwnerOnlyOrRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits";
#else
    const mode_t saved = ::umask(022);
    const struct {
        std::optional<mode_t> before;  // none: no file stood there
        WriteOptions options;
        bool written;
        mode_t after;
    } cases[] = {
        {std::nullopt, {.ownerOnly = true}, true, 0600},
        {std::nullopt, {}, true, 0644},
        {0600, {}, true, 0600},
        // A file that now holds passwords loses what others had, before it takes the name.
        {0640, {.ownerOnly = true}, true, 0600},
        {0644, {.ownerOnly = true}, true, 0600},
        {0604, {}, true, 0604},
        {0444, {}, false, 0444},
        {0400, {.ownerOnly = true}, false, 0400},
        {0444, {.replaceReadOnly = true}, true, 0444},
        {0200, {.replaceReadOnly = true}, true, 0200},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto target = dir.path() / "smtp.dat";
        if (c.before) {
            WriteBytes(target, kOld);
            ::chmod(target.c_str(), *c.before);
        }
        const WriteResult result = WriteFileAtomically(target, kNew, c.options);
        SCOPED_TRACE(std::to_string(c.before.value_or(0)) + " " + result.error);
        EXPECT_EQ(result.ok, c.written);
        struct stat info {};
        EXPECT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, c.after);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"smtp.dat"});
        if (!c.written) {
            EXPECT_TRUE(result.readOnly);
            EXPECT_TRUE(result.previousKept);
            EXPECT_EQ(result.error, kReadOnlyTarget);
            ::chmod(target.c_str(), 0600);
            EXPECT_EQ(ReadBytes(target), kOld);
        }
    }
    ::umask(saved);
#endif
}

TEST(SafeFileWriter, ReadOnlyFolderKeepsThePreviousFile) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder needs an access control list on Windows";
#else
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    WriteResult result;
    if (!test::RunWithoutFileRights([&] { result = WriteFileAtomically(target, kNew); })) {
        GTEST_SKIP() << "the superuser's right to write through permission bits stays";
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(FailedWithReason(result));
    EXPECT_EQ(result.error, std::generic_category().message(EACCES));
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
#endif
}

TEST(SafeFileWriter, ShortWriteFailsAndKeepsThePreviousFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit to stand in for a full card";
#else
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

    EXPECT_TRUE(FailedWithReason(result));
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
#endif
}

TEST(SafeFileWriter, FailedRenameRemovesTheTemporaryFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "menu.dat");
    const WriteResult result = WriteFileAtomically(dir.path() / "menu.dat", kNew);
    EXPECT_TRUE(FailedWithReason(result));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "menu.dat"));
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
}

// POSIX replaces a file that another program has open (which keeps reading the old bytes).
// On Windows a program that opened the file as programs usually do, without delete sharing,
// keeps it in place: the write fails, says why and leaves both files as they were.
TEST(SafeFileWriter, TargetHeldOpenByAReader) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    WriteBytes(target, kOld);
    std::ifstream reader(target, std::ios::binary);
    ASSERT_TRUE(reader.is_open());

    const WriteResult result = WriteFileAtomically(target, kNew);
#ifdef _WIN32
    EXPECT_TRUE(FailedWithReason(result));
    reader.close();
    EXPECT_EQ(ReadBytes(target), kOld);
#else
    ASSERT_TRUE(result.ok) << result.error;
    const std::vector<std::uint8_t> seen{std::istreambuf_iterator<char>(reader), {}};
    EXPECT_EQ(seen, kOld);
    EXPECT_EQ(ReadBytes(target), kNew);
#endif
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
}

TEST(SafeFileWriter, TwoWritersAtOnceNeitherFailsNorMixes) {
    TempDir dir;
    const auto target = dir.path() / "menu.dat";
    const std::vector<std::uint8_t> first(60, 0xA1);
    const std::vector<std::uint8_t> second(60, 0xB2);
    const auto writeOften = [&target](const std::vector<std::uint8_t>& bytes,
                                      std::vector<std::string>& errors) {
        for (int i = 0; i < 25; ++i) {
            const WriteResult result = WriteFileAtomically(target, bytes);
            if (!result.ok) {
                errors.push_back(result.error);
            }
        }
    };
    std::vector<std::string> firstErrors;
    std::vector<std::string> secondErrors;
    std::thread one(writeOften, std::cref(first), std::ref(firstErrors));
    std::thread two(writeOften, std::cref(second), std::ref(secondErrors));
    one.join();
    two.join();

    EXPECT_TRUE(firstErrors.empty()) << firstErrors.front();
    EXPECT_TRUE(secondErrors.empty()) << secondErrors.front();
    const std::vector<std::uint8_t> last = ReadBytes(target);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
}

// Each file-system call of a write fails in turn, the k-th call in the k-th round, until a
// round runs through: never a success, never a temporary file left. A failure before the new
// file is in place keeps the previous file; a later one says nothing of a previous file.
TEST(SafeFileWriter, EveryStepOfAWriteFailsOnce) {
    using detail::WriteStep;
    std::set<WriteStep> failedSteps;
    for (const bool withPrevious : {true, false}) {
        for (int round = 1;; ++round) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", previous " << withPrevious);
            TempDir dir;
            const auto target = dir.path() / "menu.dat";
            if (withPrevious) {
                WriteBytes(target, kOld);
            }
            int calls = 0;
            bool renamed = false;  // the rename has run: the new file is in place
            std::optional<WriteStep> failed;
            bool failedInPlace = false;
            detail::SetWriteFault([&](WriteStep step) {
                if (++calls != round) {
                    renamed = renamed || step == WriteStep::Rename;
                    return false;
                }
                failed = step;
                failedInPlace = renamed;
                return true;
            });
            const WriteResult result = WriteFileAtomically(target, kNew);
            detail::SetWriteFault(nullptr);
            if (!failed) {
                ASSERT_TRUE(result.ok) << result.error;
                EXPECT_EQ(ReadBytes(target), kNew);
                break;
            }
            failedSteps.insert(*failed);
            EXPECT_TRUE(FailedWithReason(result));
            EXPECT_EQ(result.differs, *failed == WriteStep::Compare);
            EXPECT_EQ(result.previousKept, withPrevious && !failedInPlace);
            const bool targetThere = withPrevious || failedInPlace;
            EXPECT_EQ(ReadBytes(target), targetThere ? (failedInPlace ? kNew : kOld) : kNone);
            EXPECT_EQ(dir.Entries(), targetThere ? kOnlyTheTarget : std::vector<std::string>{});
        }
    }
    std::set<WriteStep> everyStep = {
        WriteStep::CreateTemporary, WriteStep::Write,   WriteStep::Flush, WriteStep::Close,
        WriteStep::ReadBack,        WriteStep::Compare, WriteStep::Rename};
#ifndef _WIN32
    everyStep.insert(WriteStep::SyncFolder);  // Windows writes the move through instead
#endif
    EXPECT_EQ(failedSteps, everyStep);
}

// A file system whose descriptors opened before a rename read zeros after it (a FUSE FAT
// driver does): the write succeeds, since the second read-back opens the final name anew,
// and a medium that really keeps other bytes there still fails it.
TEST(SafeFileWriter, ReadsTheFinalNameBackAfterTheRename) {
    for (const bool withPrevious : {true, false}) {
        SCOPED_TRACE(testing::Message() << "previous " << withPrevious);
        TempDir dir;
        const auto target = dir.path() / "menu.dat";
        if (withPrevious) {
            WriteBytes(target, kOld);
        }
        detail::SetStaleAfterRename(true);
        const WriteResult result = WriteFileAtomically(target, kNew);
        detail::SetStaleAfterRename(false);
        EXPECT_TRUE(result.ok) << result.error;
        EXPECT_EQ(ReadBytes(target), kNew);
        EXPECT_EQ(dir.Entries(), kOnlyTheTarget);
    }
    // The first read-back (the temporary file, before the rename) and the second each catch
    // other bytes on their own: the second comparison alone fails after the rename.
    for (const int failingCompare : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "compare " << failingCompare);
        TempDir dir;
        const auto target = dir.path() / "menu.dat";
        WriteBytes(target, kOld);
        int compares = 0;
        bool renamed = false;
        bool renamedBeforeFault = false;
        detail::SetWriteFault([&](detail::WriteStep step) {
            renamed = renamed || step == detail::WriteStep::Rename;
            if (step == detail::WriteStep::Compare && ++compares == failingCompare) {
                renamedBeforeFault = renamed;
                return true;
            }
            return false;
        });
        const WriteResult result = WriteFileAtomically(target, kNew);
        detail::SetWriteFault(nullptr);
        EXPECT_TRUE(result.differs);
        EXPECT_EQ(renamedBeforeFault, failingCompare == 2);
        EXPECT_EQ(result.previousKept, failingCompare == 1);
        EXPECT_EQ(ReadBytes(target), failingCompare == 1 ? kOld : kNew);
    }
}

TEST(SafeFileWriter, FolderNamedInAnyScript) {
    TempDir dir;
    const std::string name = "Karte Größe 相机";
    const std::filesystem::path folder = JoinFolderPath(dir.str(), name);
    ASSERT_TRUE(std::filesystem::create_directory(folder));

    const WriteResult result =
        WriteFileAtomically(JoinFolderPath(PathText(folder), "menu.dat"), kNew);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{name});
    EXPECT_EQ(ReadBytes(folder / "menu.dat"), kNew);
    const auto inside = std::filesystem::directory_iterator(folder);
    EXPECT_EQ(std::distance(begin(inside), end(inside)), 1);
}

}  // namespace
}  // namespace tov

namespace tov {
namespace {

// The read-back comparison itself: bytes of the same length that differ in one place are other
// bytes, as are a longer or shorter read.
TEST(SafeFileWriter, ReadBackComparesEveryByte) {
    const std::vector<std::uint8_t> written = {0x00, 0x14, 0x01, 0x00, 0x1D, 0x0D, 0x0A};
    const struct {
        std::vector<std::uint8_t> read;
        bool matches;
    } cases[] = {
        {written, true},
        {{0x00, 0x14, 0x01, 0x00, 0x1C, 0x0D, 0x0A}, false},
        {{0x01, 0x14, 0x01, 0x00, 0x1D, 0x0D, 0x0A}, false},
        {{0x00, 0x14, 0x01, 0x00, 0x1D, 0x0D, 0x0B}, false},
        {{0x00, 0x14, 0x01, 0x00, 0x1D, 0x0D}, false},
        {{0x00, 0x14, 0x01, 0x00, 0x1D, 0x0D, 0x0A, 0x00}, false},
        {{}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detail::ReadBackMatches(c.read, written), c.matches);
    }
}

// What an interrupted write left (a card pulled between the temporary file and the rename)
// goes with the next write of that file: only our own names, only regular files, only ones
// older than a write takes.
TEST(SafeFileWriter, NextWriteRemovesWhatAnInterruptedOneLeft) {
    test::TempDir dir;
#ifdef _WIN32
    const std::vector<std::string> ours = {"menu.dat.Ab3xYz.tmp"};
    const std::vector<std::string> kept = {"menu.dat.Ab3x.tmp", "setup.dat.Ab3xYz.tmp",
                                           "menu.dat.Ab3x-z.tmp", "menu.dat.fresh1.tmp"};
#else
    const std::vector<std::string> ours = {".menu.dat.Ab3xYz", ".menu.dat.000000"};
    const std::vector<std::string> kept = {".menu.dat.Ab3x", ".setup.dat.Ab3xYz",
                                           ".menu.dat.Ab3x-z", "menu.dat.Ab3xYz",
                                           ".menu.dat.fresh1"};
#endif
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const std::string& name : ours) {
        test::WriteBytes(dir.path() / name, {1, 2, 3});
        std::filesystem::last_write_time(dir.path() / name, old);
    }
    for (const std::string& name : kept) {
        test::WriteBytes(dir.path() / name, {1});
        if (name.find("fresh") == std::string::npos) {
            std::filesystem::last_write_time(dir.path() / name, old);
        }
    }
    ASSERT_TRUE(WriteFileAtomically(dir.path() / "menu.dat", std::vector<std::uint8_t>{9}).ok);
    std::vector<std::string> expected = kept;
    expected.push_back("menu.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Entries(), expected);
}

}  // namespace
}  // namespace tov
