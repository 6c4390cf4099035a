// The POSIX half of the safe file output.
#ifndef _WIN32

#include "common/SafeFileWriterDetail.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tov::detail {
namespace {

// The error a step failed by the test seam reports, as a failing card would.
constexpr int kInjectedError = EIO;

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Runs the system call of one step (`call` returns whether it succeeded, errno saying why not)
// unless the test seam fails the step first. False, with `error` set, when either failed.
template <class Call>
bool RunStep(WriteStep step, int& error, Call call) {
    if (Faulted(step)) {
        error = kInjectedError;
        return false;
    }
    if (!call()) {
        error = errno;
        return false;
    }
    return true;
}

// Writes everything or reports why not; a short write counts as a failure.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes, int& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = 0;
        const bool written = RunStep(WriteStep::Write, error, [&] {
            do {
                n = ::write(fd, bytes.data() + done, bytes.size() - done);
            } while (n < 0 && errno == EINTR);
            return n >= 0;
        });
        if (!written) {
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions of a write's file: created with `create` (through the umask and a default
// ACL, as any new file), then given `keep`, the replaced file's, if there was one.
struct FileModes {
    mode_t create = 0666;
    std::optional<mode_t> keep;
};

// A replaced file's permissions are kept (without set-id bits, and for a file that holds
// passwords without what others had), and until they are given the file is its owner's only;
// a new file holding passwords stays owner-only; any other new file gets what a plain create
// would give it.
FileModes ModesFor(int folder, const std::string& name, const WriteOptions& options) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode)) {
        const mode_t kept = status.st_mode & (options.ownerOnly ? 0700 : 0777);
        return {0600, kept};
    }
    return {static_cast<mode_t>(options.ownerOnly ? 0600 : 0666), std::nullopt};
}

// Gives the file open as `fd` the kept permissions. A file system without them (FAT) refuses
// or ignores the change: there the mount's options decide, and that is no failure.
void KeepMode(int fd, const FileModes& modes) {
    if (fd >= 0 && modes.keep) {
        (void)::fchmod(fd, *modes.keep);
    }
}

// Whether the file open as `fd`, created with `created`, shows permissions it was not given:
// the file system keeps none of its own and the mount decides (FAT, exFAT).
bool ModesIgnored(int fd, mode_t created) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && (info.st_mode & 0077 & ~created) != 0;
}

// A descriptor closed when it goes out of scope.
struct Descriptor {
    Descriptor(int folder, const std::string& name, int flags)
        : fd(::openat(folder, name.c_str(), flags | O_CLOEXEC)), error(errno),
          renamesAtOpen(RenamesSoFar()) {}
    int fd;
    int error;               ///< why it could not be opened
    unsigned renamesAtOpen;  ///< for the test seam's stale descriptors
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// The temporary file's name beside the target, without its folder.
std::string TemporaryName(const std::filesystem::path& target) {
    return TemporaryPathFor(target).filename().string();
}

// A new file under a name nobody else has in `folder`, created with `mode`.
int CreateTemporaryFile(int folder, const std::filesystem::path& target, std::string& temp,
                        mode_t mode, int& error) {
    int fd = -1;
    RunStep(WriteStep::CreateTemporary, error, [&] {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            temp = TemporaryName(target);
            fd = ::openat(folder, temp.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0 || errno != EEXIST) {
                break;
            }
        }
        return fd >= 0;
    });
    return fd;
}

// Reads the file open as `reader` back from the medium and compares: its pages, clean after
// the flush, are dropped from the cache first, so that the bytes come from the card and not
// from memory.
WriteResult ReadBack(const Descriptor& reader, std::span<const std::uint8_t> bytes,
                     bool previousKept) {
    int error = 0;
    // One byte more than was written shows a file that is too long.
    std::vector<std::uint8_t> read(bytes.size() + 1);
    std::size_t done = 0;
    const bool ok = RunStep(WriteStep::ReadBack, error, [&] {
        if (reader.fd < 0) {
            errno = reader.error;
            return false;
        }
#if defined(POSIX_FADV_DONTNEED)
        ::posix_fadvise(reader.fd, 0, 0, POSIX_FADV_DONTNEED);
#elif defined(F_NOCACHE)
        ::fcntl(reader.fd, F_NOCACHE, 1);
#endif
        ssize_t n = 1;
        while (done < read.size() && n != 0) {
            n = ::pread(reader.fd, read.data() + done, read.size() - done,
                        static_cast<off_t>(done));
            if (n < 0 && errno != EINTR) {
                return false;
            }
            done += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        return true;
    });
    if (!ok) {
        return {false, ErrnoText(error), previousKept};
    }
    read.resize(done);
    ApplyStaleSeam(reader.renamesAtOpen, read);
    if (!ReadBackMatches(std::move(read), bytes)) {
        return {false, std::string(kReadBackDiffers), previousKept, true};
    }
    return {true, {}};
}

// Makes the new file durable: its data (F_FULLFSYNC where the system has it, as a plain fsync
// there leaves the data in the drive's cache) and then the folder's entry. A file system that
// does not sync folders (it refuses the call) is no failure; an error from the medium is.
bool FlushFile(int fd) {
#if defined(F_FULLFSYNC)
    if (::fcntl(fd, F_FULLFSYNC) == 0) {
        return true;
    }
#endif
    return ::fsync(fd) == 0;
}

bool SyncFolder(int folder, int& error) {
    return RunStep(WriteStep::SyncFolder, error, [folder] { return FlushFile(folder); }) ||
           error == EINVAL || error == EBADF || error == ENOTSUP || error == EOPNOTSUPP;
}

// Which file a descriptor stands for, to tell our file from another writer's under one name.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return {};
    }
    return {info.st_dev, info.st_ino};
}

// The second read-back, from the final name opened anew after the rename and the folder's
// sync: that is what the camera will read, and some drivers give stale bytes through a
// descriptor opened before a rename. When the name already stands for another writer's file
// (a later write won), the bytes were checked before the rename and the write stands.
WriteResult ReadBackFinalName(int folder, const std::string& name, const FileIdentity& ours,
                              std::span<const std::uint8_t> bytes) {
    const Descriptor reader(folder, name, O_RDONLY | O_NOFOLLOW);
    WriteResult result = ReadBack(reader, bytes, false);
    if (!result.ok && result.differs && reader.fd >= 0 && !(IdentityOf(reader.fd) == ours)) {
        return {true, {}};
    }
    return result;
}

// The folder of a write, opened once: every later step names its files relative to this
// descriptor, so that no later lookup of the folder's path can land elsewhere.
struct Folder {
    explicit Folder(const std::filesystem::path& path)
        : fd(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
          error(errno) {}
    int fd;
    int error;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

}  // namespace

std::string ReasonText(const std::error_code& error) {
    return error.message();
}

WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const WriteOptions& options) {
    const Folder folder(target.parent_path());
    if (folder.fd < 0) {
        return {false, ErrnoText(folder.error), true};
    }
    if (options.volume) {
        struct stat info {};
        if (::fstat(folder.fd, &info) != 0 ||
            static_cast<std::uint64_t>(info.st_dev) != *options.volume) {
            WriteResult refused{false, std::string(kOtherVolume), true};
            refused.otherVolume = true;
            return refused;
        }
    }
    const std::string name = target.filename().string();
    struct stat there {};
    if (::fstatat(folder.fd, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(there.st_mode)) {
        WriteResult refused{false, std::string(kNotRegularTarget), false};
        refused.notRegular = true;
        return refused;
    }
    std::string temp;
    int error = 0;
    const FileModes modes = ModesFor(folder.fd, name, options);
    const int fd = CreateTemporaryFile(folder.fd, target, temp, modes.create, error);
    if (fd < 0) {
        return {false, ErrnoText(error), true};
    }
    const bool modesIgnored = ModesIgnored(fd, modes.create);
    const FileIdentity ours = IdentityOf(fd);
    bool ok = WriteAll(fd, bytes, error) &&
              RunStep(WriteStep::Flush, error, [fd] { return FlushFile(fd); });
    // Closed in any case; its failure is the reason only when nothing failed before.
    const bool closeFaulted = Faulted(WriteStep::Close);
    if ((::close(fd) != 0 || closeFaulted) && ok) {
        ok = false;
        error = closeFaulted ? kInjectedError : errno;
    }
    if (!ok) {
        ::unlinkat(folder.fd, temp.c_str(), 0);
        return {false, ErrnoText(error), true};
    }
    // The temporary file's descriptor stays open to the end: while it is, no other file can
    // take our file's identity, which tells it from another writer's under the target's name.
    const Descriptor reader(folder.fd, temp, O_RDONLY | O_NOFOLLOW);
    // Given through the reader: a kept mode without read permission must not stop the read-back.
    KeepMode(reader.fd, modes);
    WriteResult result = ReadBack(reader, bytes, true);
    if (result.ok && !RunStep(WriteStep::Rename, error, [&] {
            return ::renameat(folder.fd, temp.c_str(), folder.fd, name.c_str()) == 0;
        })) {
        result = {false, ErrnoText(error), true};
    }
    if (result.ok) {
        NoteRenamed();
    }
    if (!result.ok) {
        ::unlinkat(folder.fd, temp.c_str(), 0);
        return result;
    }
    // The new file is in place: a failure from here on no longer leaves the previous one.
    if (!SyncFolder(folder.fd, error)) {
        return {false, ErrnoText(error), false};
    }
    result = ReadBackFinalName(folder.fd, name, ours, bytes);
    result.modesIgnored = modesIgnored;
    return result;
}

std::optional<std::uint64_t> FolderVolumeId(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_dev);
}

std::string CreateExclusive(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return ErrnoText(errno);
    }
    ::close(fd);
    return {};
}

bool OwnedByThisUser(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

std::string FolderNotWritable(const std::filesystem::path& folder) {
    struct statvfs volume {};
    if (::statvfs(folder.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0) {
        return ErrnoText(EROFS);
    }
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? std::string() : ErrnoText(errno);
}

bool MakeOwnerOnlyFolder(const std::filesystem::path& folder, std::string& error) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = ErrnoText(errno);
        return false;
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = ErrnoText(ENOTDIR);
        return false;
    }
    if ((info.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        error = ErrnoText(errno);
        return false;
    }
    return true;
}

}  // namespace tov::detail

#endif
