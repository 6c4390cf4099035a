#include "common/SafeFileWriter.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <cstdio>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tov {
namespace {

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

#ifndef _WIN32

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

#endif

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes) {
    const std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        return {false, "No destination folder was given"};
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return {false, ec ? ec.message() : ErrnoText(ENOENT)};
    }

#ifdef _WIN32
    const std::wstring tempName = (folder / (target.filename().wstring() + L".tmp")).wstring();
    FILE* file = _wfopen(tempName.c_str(), L"wbc");  // "c": fflush commits to the medium
    if (file == nullptr) {
        return {false, ErrnoText(errno)};
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        _wremove(tempName.c_str());
        return {false, ErrnoText(written ? errno : writeError)};
    }
    if (!MoveFileExW(tempName.c_str(), target.wstring().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        _wremove(tempName.c_str());
        return {false, std::system_category().message(static_cast<int>(code))};
    }
    return {true, {}};
#else
    std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        return {false, ErrnoText(errno)};
    }
    int error = 0;
    bool ok = WriteAll(fd, bytes, error);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    // mkstemp creates the file readable by its owner only; give it the usual permissions.
    if (ok) {
        ::chmod(tempName.c_str(), 0644);
    }
    if (ok && ::rename(tempName.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempName.c_str());
        return {false, ErrnoText(error)};
    }
    // Make the rename itself durable before reporting success.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {true, {}};
#endif
}

}  // namespace tov
