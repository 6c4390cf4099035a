// The Windows half of the safe file output, on the wide (UTF-16) file API.
#ifdef _WIN32

#include "common/SafeFileWriterDetail.h"

#include <algorithm>
#include <array>
#include <optional>
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

// The error a step failed by the test seam reports, as a failing card would.
constexpr DWORD kInjectedError = ERROR_IO_DEVICE;

// Runs the call of one step (`call` returns whether it succeeded, GetLastError saying why not)
// unless the test seam fails the step first. False, with `error` set, when either failed.
template <class Call>
bool RunStep(WriteStep step, DWORD& error, Call call) {
    if (Faulted(step)) {
        error = kInjectedError;
        return false;
    }
    if (!call()) {
        error = GetLastError();
        return false;
    }
    return true;
}

// Writes everything or reports why not; a short write counts as a full medium.
bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes, DWORD& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, std::size_t{1} << 30));
        DWORD written = 0;
        if (!RunStep(WriteStep::Write, error, [&] {
                return WriteFile(file, bytes.data() + done, chunk, &written, nullptr) != 0;
            })) {
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
    HANDLE file = INVALID_HANDLE_VALUE;
    RunStep(WriteStep::CreateTemporary, error, [&] {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            temp = TemporaryPathFor(target);
            file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            const DWORD created = GetLastError();
            if (file != INVALID_HANDLE_VALUE ||
                (created != ERROR_FILE_EXISTS && created != ERROR_ALREADY_EXISTS)) {
                break;
            }
        }
        return file != INVALID_HANDLE_VALUE;
    });
    return file;
}

// The file opened for unbuffered reading, so that reads come from the card and not from the
// system's cache. Unbuffered reads take whole sectors into memory aligned to them: a
// page-aligned buffer of whole pages covers every usual sector size. The handle lets the file
// be renamed while it is open, and follows it.
class Reader {
public:
    Reader(const std::filesystem::path& path, std::size_t bytes)
        : m_size((bytes + kPage - 1) / kPage * kPage),
          m_buffer(VirtualAlloc(nullptr, m_size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          m_file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr)),
          m_error(GetLastError()), m_renamesAtOpen(RenamesSoFar()) {}
    ~Reader() {
        if (m_file != INVALID_HANDLE_VALUE) {
            CloseHandle(m_file);
        }
        if (m_buffer != nullptr) {
            VirtualFree(m_buffer, 0, MEM_RELEASE);
        }
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // The file's bytes from its start, at most the buffer's size; false with GetLastError set
    // when they cannot be read.
    bool Read(std::vector<std::uint8_t>& read) const {
        if (m_file == INVALID_HANDLE_VALUE || m_buffer == nullptr) {
            SetLastError(m_error != 0 ? m_error : ERROR_NOT_ENOUGH_MEMORY);
            return false;
        }
        OVERLAPPED fromStart{};
        DWORD count = 0;
        if (!ReadFile(m_file, m_buffer, static_cast<DWORD>(m_size), &count, &fromStart) &&
            GetLastError() != ERROR_HANDLE_EOF) {
            return false;
        }
        const auto* first = static_cast<const std::uint8_t*>(m_buffer);
        read.assign(first, first + count);
        ApplyStaleSeam(m_renamesAtOpen, read);
        return true;
    }

    // Whether both readers have one file open: the same file index. Both names are in one
    // folder, so on one volume; the volume's serial number is not compared, as Wine gives 0
    // for a handle whose file was moved after it was opened.
    bool SameFileAs(const Reader& other) const {
        BY_HANDLE_FILE_INFORMATION mine{};
        BY_HANDLE_FILE_INFORMATION theirs{};
        return m_file != INVALID_HANDLE_VALUE && other.m_file != INVALID_HANDLE_VALUE &&
               GetFileInformationByHandle(m_file, &mine) &&
               GetFileInformationByHandle(other.m_file, &theirs) &&
               mine.nFileIndexHigh == theirs.nFileIndexHigh &&
               mine.nFileIndexLow == theirs.nFileIndexLow;
    }

private:
    static constexpr std::size_t kPage = 4096;
    std::size_t m_size;
    void* m_buffer;
    HANDLE m_file;
    DWORD m_error;
    unsigned m_renamesAtOpen;  // for the test seam's stale handles
};

// Reads the file back from the medium and compares.
WriteResult ReadBack(const Reader& reader, std::span<const std::uint8_t> bytes, bool previousKept) {
    DWORD error = 0;
    std::vector<std::uint8_t> read;
    if (!RunStep(WriteStep::ReadBack, error, [&] { return reader.Read(read); })) {
        return {false, WindowsErrorText(error), previousKept};
    }
    if (!ReadBackMatches(std::move(read), bytes)) {
        return {false, std::string(kReadBackDiffers), previousKept, true};
    }
    return {true, {}};
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

namespace {

// The serial number of the volume a handle's file or folder is on.
std::optional<std::uint64_t> SerialOf(HANDLE handle) {
    DWORD serial = 0;
    if (!GetVolumeInformationByHandleW(handle, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
        return std::nullopt;
    }
    return serial;
}

// A folder opened for the length of a write: while it is open, its volume cannot be
// dismounted under the write, and its serial tells which volume it is on.
class FolderHandle {
public:
    explicit FolderHandle(const std::filesystem::path& folder)
        : m_handle(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
    ~FolderHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

}  // namespace

std::optional<std::uint64_t> FolderVolumeId(const std::filesystem::path& folder) {
    const FolderHandle handle(folder);
    return handle.get() == INVALID_HANDLE_VALUE ? std::nullopt : SerialOf(handle.get());
}

std::string CreateExclusive(const std::filesystem::path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return WindowsErrorText(GetLastError());
    }
    CloseHandle(file);
    return {};
}

// The user's own folders and cards are what the tool writes to; owners are not compared.
bool OwnedByThisUser(const std::filesystem::path& /*path*/) {
    return true;
}

// Whether the folder's volume is read-only or the folder itself is marked so for writing.
std::string FolderNotWritable(const std::filesystem::path& folder) {
    std::array<wchar_t, MAX_PATH + 1> root{};
    DWORD flags = 0;
    if (GetVolumePathNameW(folder.c_str(), root.data(), static_cast<DWORD>(root.size())) &&
        GetVolumeInformationW(root.data(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
        (flags & FILE_READ_ONLY_VOLUME) != 0) {
        return WindowsErrorText(ERROR_WRITE_PROTECT);
    }
    return {};
}

// The backups live under the user's own local application data, which only that user (and
// the administrators) may open: a folder made there inherits that.
bool MakeOwnerOnlyFolder(const std::filesystem::path& folder, std::string& error) {
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        error = WindowsErrorText(GetLastError());
        return false;
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        error = WindowsErrorText(ERROR_DIRECTORY);
        return false;
    }
    return true;
}

WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const WriteOptions& options) {
    const FolderHandle folder(target.parent_path());
    if (options.volume) {
        const std::optional<std::uint64_t> serial =
            folder.get() == INVALID_HANDLE_VALUE ? std::nullopt : SerialOf(folder.get());
        if (serial != options.volume) {
            WriteResult refused{false, std::string(kOtherVolume), true};
            refused.otherVolume = true;
            return refused;
        }
    }
    std::filesystem::path temp;
    DWORD error = 0;
    const HANDLE file = CreateTemporaryFile(target, temp, error);
    if (file == INVALID_HANDLE_VALUE) {
        return {false, WindowsErrorText(error), true};
    }
    bool ok = WriteAll(file, bytes, error) &&
              RunStep(WriteStep::Flush, error, [file] { return FlushFileBuffers(file) != 0; });
    // Closed in any case; its failure is the reason only when nothing failed before.
    const bool closeFaulted = Faulted(WriteStep::Close);
    if ((!CloseHandle(file) || closeFaulted) && ok) {
        ok = false;
        error = closeFaulted ? kInjectedError : GetLastError();
    }
    if (!ok) {
        DeleteFileW(temp.c_str());
        return {false, WindowsErrorText(error), true};
    }
    WriteResult result;
    {
        // One byte more than was written shows a file that is too long. The reader stays open
        // through the move to tell our file from another writer's under the target's name.
        const Reader reader(temp, bytes.size() + 1);
        result = ReadBack(reader, bytes, true);
        if (result.ok &&
            !RunStep(WriteStep::Rename, error, [&] { return MoveOver(temp, target, error); })) {
            result = {false, WindowsErrorText(error), true};
        }
        if (result.ok) {
            // The move wrote through to the medium; the new file is in place, so a failure
            // from here on no longer leaves the previous one. The final name is read anew, as
            // the camera will read it; when it already stands for another writer's file (a
            // later write won), the bytes were checked before the move and the write stands.
            NoteRenamed();
            const Reader finalName(target, bytes.size() + 1);
            result = ReadBack(finalName, bytes, false);
            if (!result.ok && result.differs && !finalName.SameFileAs(reader)) {
                return {true, {}};
            }
            return result;
        }
    }
    DeleteFileW(temp.c_str());
    return result;
}

}  // namespace tov::detail

#endif
