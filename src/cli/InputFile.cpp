#include "cli/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tov::cli {
namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

InputFile ReadInputFile(const std::string& path, std::size_t limit) {
    InputFile input;
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (ec) {
        input.error = ec.message();
        return input;
    }
    if (std::filesystem::is_directory(status)) {
        input.error = "it is a folder, not a file";
        return input;
    }
    if (!std::filesystem::is_regular_file(status)) {
        input.error = "it is not a regular file";
        return input;
    }
#ifdef _WIN32
    std::unique_ptr<std::FILE, FileCloser> stream(_wfopen(file.c_str(), L"rb"));
#else
    std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.c_str(), "rb"));
#endif
    if (!stream) {
        input.error = Reason(errno);
        return input;
    }
    // One byte past the limit tells a file that is too large from one that fits exactly.
    input.bytes.resize(limit + 1);
    std::size_t done = 0;
    while (done < input.bytes.size()) {
        const std::size_t n =
            std::fread(input.bytes.data() + done, 1, input.bytes.size() - done, stream.get());
        done += n;
        if (n == 0) {
            break;
        }
    }
    if (std::ferror(stream.get()) != 0) {
        input.error = Reason(errno != 0 ? errno : EIO);
        input.bytes.clear();
        return input;
    }
    input.truncated = done > limit;
    input.bytes.resize(std::min(done, limit));
    return input;
}

}  // namespace tov::cli
