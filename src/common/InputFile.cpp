#include "common/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tov {
namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

constexpr std::string_view kFolder = "it is a folder, not a file";
constexpr std::string_view kNotRegular = "it is not a regular file";
constexpr std::string_view kLink = "it is a link, not a file";

#ifdef _WIN32

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Windows has no named pipes or devices at a file path a user would name; the type is checked
// by name before the open.
InputFile ReadOpened(const std::filesystem::path& file, std::size_t limit, bool followLinks,
                     InputFile input) {
    std::error_code ec;
    const std::filesystem::file_status status =
        followLinks ? std::filesystem::status(file, ec) : std::filesystem::symlink_status(file, ec);
    if (ec) {
        input.error = ec.message();
        return input;
    }
    if (!std::filesystem::is_regular_file(status)) {
        input.error = std::filesystem::is_directory(status) ? kFolder
                      : std::filesystem::is_symlink(status) ? kLink
                                                            : kNotRegular;
        return input;
    }
    std::unique_ptr<std::FILE, FileCloser> stream(_wfopen(file.c_str(), L"rb"));
    if (!stream) {
        input.error = Reason(errno);
        return input;
    }
    input.bytes.resize(limit + 1);
    const std::size_t done = std::fread(input.bytes.data(), 1, input.bytes.size(), stream.get());
    if (std::ferror(stream.get()) != 0) {
        input.error = Reason(errno != 0 ? errno : EIO);
        input.bytes.clear();
        return input;
    }
    input.truncated = done > limit;
    input.bytes.resize(std::min(done, limit));
    return input;
}

#else

class Descriptor final {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The file is opened first and its type judged from what was opened: a check by name and then
// an open by name would let a named pipe slip in between, and opening one without O_NONBLOCK
// waits for a writer forever.
InputFile ReadOpened(const std::filesystem::path& file, std::size_t limit, bool followLinks,
                     InputFile input) {
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY |
                                                 (followLinks ? 0 : O_NOFOLLOW)));
    if (fd.get() < 0) {
        input.error = !followLinks && errno == ELOOP ? std::string(kLink) : Reason(errno);
        return input;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        input.error = Reason(errno);
        return input;
    }
    if (!S_ISREG(status.st_mode)) {
        input.error = S_ISDIR(status.st_mode) ? kFolder : kNotRegular;
        return input;
    }
    // One byte past the limit tells a file that is too large from one that fits exactly. Reads
    // go in whole blocks: some kernel files refuse a read of an odd size.
    std::vector<std::uint8_t> block(64 * 1024);
    while (input.bytes.size() <= limit) {
        const ssize_t n = ::read(fd.get(), block.data(), block.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            input.error = Reason(errno);
            input.bytes.clear();
            return input;
        }
        if (n == 0) {
            break;
        }
        input.bytes.insert(input.bytes.end(), block.begin(), block.begin() + n);
    }
    input.truncated = input.bytes.size() > limit;
    input.bytes.resize(std::min(input.bytes.size(), limit));
    return input;
}

#endif

}  // namespace

InputFile ReadInputFile(const std::string& path, std::size_t limit, bool followLinks) {
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    return ReadOpened(file, limit, followLinks, InputFile{});
}

}  // namespace tov
