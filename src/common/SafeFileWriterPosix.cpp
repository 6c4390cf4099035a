// The POSIX half of the safe file output.
#ifndef _WIN32

#include "common/SafeFileWriterDetail.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tov::detail {
namespace {

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Writes everything or reports why not; a short write counts as a failure.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes, int& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
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

// A new file under a name nobody else has. Mode 0666 goes through the umask (and a default ACL)
// as with any new file, so the file gets the permissions a plain create would give it.
int CreateTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temp,
                        int& error) {
    error = EEXIST;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && error == EEXIST; ++attempt) {
        temp = TemporaryPathFor(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return fd;
        }
        error = errno;
    }
    return -1;
}

}  // namespace

std::string ReasonText(const std::error_code& error) {
    return error.message();
}

WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes) {
    std::filesystem::path temp;
    int error = 0;
    const int fd = CreateTemporaryFile(target, temp, error);
    if (fd < 0) {
        return {false, ErrnoText(error)};
    }
    bool ok = WriteAll(fd, bytes, error);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return {false, ErrnoText(error)};
    }
    // Make the rename itself durable. The new file is in place by now, so a folder that cannot
    // be synced (some file systems refuse) does not turn the write into a failure.
    const int folderFd = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return {true, {}};
}

}  // namespace tov::detail

#endif
