// The POSIX half of the safe file output.
#ifndef _WIN32

#include "common/SafeFileWriterDetail.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
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

// A replaced file's permissions are kept (without set-id bits), and until they are given the
// file is its owner's only; a new file holding passwords stays owner-only; any other new file
// gets what a plain create would give it.
FileModes ModesFor(const std::filesystem::path& target, const WriteOptions& options) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return {0600, status.st_mode & 0777};
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

// A new file under a name nobody else has, created with `mode`.
int CreateTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temp,
                        mode_t mode, int& error) {
    int fd = -1;
    RunStep(WriteStep::CreateTemporary, error, [&] {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            temp = TemporaryPathFor(target);
            fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0 || errno != EEXIST) {
                break;
            }
        }
        return fd >= 0;
    });
    return fd;
}

// A descriptor opened for reading, closed when it goes out of scope.
struct Descriptor {
    explicit Descriptor(const std::filesystem::path& path)
        : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), error(errno),
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

// Makes the rename durable. A file system that does not sync folders (it refuses the call) is
// no failure; an error from the medium is.
bool SyncFolder(const std::filesystem::path& folder, int& error) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    const bool synced = RunStep(WriteStep::SyncFolder, error, [fd] { return ::fsync(fd) == 0; }) ||
                        error == EINVAL || error == EBADF || error == ENOTSUP ||
                        error == EOPNOTSUPP;
    ::close(fd);
    return synced;
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
WriteResult ReadBackFinalName(const std::filesystem::path& target, const FileIdentity& ours,
                              std::span<const std::uint8_t> bytes) {
    const Descriptor reader(target);
    WriteResult result = ReadBack(reader, bytes, false);
    if (!result.ok && result.differs && reader.fd >= 0 && !(IdentityOf(reader.fd) == ours)) {
        return {true, {}};
    }
    return result;
}

}  // namespace

std::string ReasonText(const std::error_code& error) {
    return error.message();
}

WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const WriteOptions& options) {
    std::filesystem::path temp;
    int error = 0;
    const FileModes modes = ModesFor(target, options);
    const int fd = CreateTemporaryFile(target, temp, modes.create, error);
    if (fd < 0) {
        return {false, ErrnoText(error), true};
    }
    const FileIdentity ours = IdentityOf(fd);
    bool ok = WriteAll(fd, bytes, error) &&
              RunStep(WriteStep::Flush, error, [fd] { return ::fsync(fd) == 0; });
    // Closed in any case; its failure is the reason only when nothing failed before.
    const bool closeFaulted = Faulted(WriteStep::Close);
    if ((::close(fd) != 0 || closeFaulted) && ok) {
        ok = false;
        error = closeFaulted ? kInjectedError : errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return {false, ErrnoText(error), true};
    }
    // The temporary file's descriptor stays open to the end: while it is, no other file can
    // take our file's identity, which tells it from another writer's under the target's name.
    const Descriptor reader(temp);
    // Given through the reader: a kept mode without read permission must not stop the read-back.
    KeepMode(reader.fd, modes);
    WriteResult result = ReadBack(reader, bytes, true);
    if (result.ok && !RunStep(WriteStep::Rename, error,
                              [&] { return ::rename(temp.c_str(), target.c_str()) == 0; })) {
        result = {false, ErrnoText(error), true};
    }
    if (result.ok) {
        NoteRenamed();
    }
    if (!result.ok) {
        ::unlink(temp.c_str());
        return result;
    }
    // The new file is in place: a failure from here on no longer leaves the previous one.
    if (!SyncFolder(target.parent_path(), error)) {
        return {false, ErrnoText(error), false};
    }
    return ReadBackFinalName(target, ours, bytes);
}

}  // namespace tov::detail

#endif
