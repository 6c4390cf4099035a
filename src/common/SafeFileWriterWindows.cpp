// The Windows half of the safe file output, on the wide (UTF-16) file API.
#ifdef _WIN32

#include "common/SafeFileWriterDetail.h"

#include <algorithm>
#include <string_view>
#include <windows.h>

namespace tov::detail {
namespace {

// Another program holding the old file open (a virus scanner, Explorer's preview, a second
// writer replacing it) blocks the rename for a moment; a few short waits ride that out.
constexpr int kMoveAttempts = 10;
constexpr DWORD kMoveWaitMs = 50;

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, result.data(), length, nullptr,
                        nullptr);
    return result;
}

// The system's text in the user's language, as UTF-8. The C++ library's own text comes from
// the ANSI function and is in the local code page, which the forms would show garbled.
std::string WindowsErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring_view text(buffer, buffer != nullptr ? length : 0);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.remove_suffix(1);
    }
    std::string result = Utf8(text);
    LocalFree(buffer);
    if (result.empty()) {
        result = "Windows error ";
        result += std::to_string(code);
    }
    return result;
}

// Writes everything or reports why not; a short write counts as a full medium.
bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes, DWORD& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, std::size_t{1} << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            error = GetLastError();
            return false;
        }
        if (written == 0) {
            error = ERROR_DISK_FULL;
            return false;
        }
        done += written;
    }
    return true;
}

// A new file under a name nobody else has, open to this writer only.
HANDLE CreateTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temp,
                           DWORD& error) {
    error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kTemporaryNameAttempts &&
                          (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS);
         ++attempt) {
        temp = TemporaryPathFor(target);
        const HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return file;
        }
        error = GetLastError();
    }
    return INVALID_HANDLE_VALUE;
}

bool MoveOver(const std::filesystem::path& temp, const std::filesystem::path& target,
              DWORD& error) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temp.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            attempt == kMoveAttempts) {
            return false;
        }
        Sleep(kMoveWaitMs);
    }
}

}  // namespace

std::string ReasonText(const std::error_code& error) {
    if (error.category() == std::system_category()) {
        return WindowsErrorText(static_cast<DWORD>(error.value()));
    }
    return error.message();
}

WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes) {
    std::filesystem::path temp;
    DWORD error = 0;
    const HANDLE file = CreateTemporaryFile(target, temp, error);
    if (file == INVALID_HANDLE_VALUE) {
        return {false, WindowsErrorText(error)};
    }
    bool ok = WriteAll(file, bytes, error);
    if (ok && !FlushFileBuffers(file)) {
        ok = false;
        error = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (ok && !MoveOver(temp, target, error)) {
        ok = false;
    }
    if (!ok) {
        DeleteFileW(temp.c_str());
        return {false, WindowsErrorText(error)};
    }
    return {true, {}};
}

}  // namespace tov::detail

#endif
