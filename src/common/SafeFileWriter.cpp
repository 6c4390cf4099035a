#include "common/SafeFileWriter.h"

#include "common/FilePath.h"
#include "common/SafeFileWriterDetail.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <string_view>

namespace tov {
namespace detail {

namespace {

constexpr std::string_view kTemporaryLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 6;

// An interrupted write's temporary file is this old at least before it is taken for one: a
// writer at work on the same file holds its own for well under that.
constexpr auto kLeftoverAge = std::chrono::seconds(60);

// Whether `name` is the name TemporaryPathFor gives a temporary file of `target`.
bool IsTemporaryName(const std::string& name, const std::string& target) {
#ifdef _WIN32
    std::string prefix = target;
    prefix += '.';
    const std::string suffix = ".tmp";
#else
    // Appended: "." + string trips a false -Werror=restrict in GCC 12 at -O3.
    std::string prefix(1, '.');
    prefix += target;
    prefix += '.';
    const std::string suffix;
#endif
    if (name.size() != prefix.size() + kRandomLength + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string_view random(name.data() + prefix.size(), kRandomLength);
    return random.find_first_not_of(kTemporaryLetters) == std::string_view::npos;
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
    static constexpr std::string_view kLetters = kTemporaryLetters;
    // Straight from the system's random source: a name is drawn once a write, and no engine's
    // state is shared between threads.
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string random(kRandomLength, ' ');
    for (char& letter : random) {
        letter = kLetters[pick(source)];
    }
    // Appended piece by piece: `"." + std::string` trips a false -Werror=restrict in GCC 12.
#ifdef _WIN32
    std::filesystem::path name = target.filename();
    name += ".";
    name += random;
    name += ".tmp";
#else
    std::filesystem::path name = ".";
    name += target.filename();
    name += ".";
    name += random;
#endif
    return target.parent_path() / name;
}

void RemoveLeftoverTemporaries(const std::filesystem::path& target) {
    const std::string own = target.filename().string();
    std::error_code ec;
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::directory_iterator it(target.parent_path(), ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code each;
        if (!IsTemporaryName(it->path().filename().string(), own) ||
            it->symlink_status(each).type() != std::filesystem::file_type::regular ||
            !OwnedByThisUser(it->path())) {
            continue;
        }
        const auto written = std::filesystem::last_write_time(it->path(), each);
        if (!each && now - written > kLeftoverAge) {
            std::filesystem::remove(it->path(), each);
        }
    }
}

namespace {

std::function<bool(WriteStep)>& Fault() {
    static std::function<bool(WriteStep)> fault;
    return fault;
}

}  // namespace

void SetWriteFault(std::function<bool(WriteStep)> fault) {
    Fault() = std::move(fault);
}

bool Faulted(WriteStep step) {
    return Fault() && Fault()(step);
}

bool ReadBackMatches(std::vector<std::uint8_t> read, std::span<const std::uint8_t> written) {
    if (Faulted(WriteStep::Compare)) {
        // The medium gives back other bytes than it took, as many as it took: one changed.
        if (read.empty()) {
            read.push_back(0);
        } else {
            read[read.size() / 2] ^= 0x5A;
        }
    }
    return std::equal(read.begin(), read.end(), written.begin(), written.end());
}

bool IsReadOnlyFile(const std::filesystem::path& target) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target, ec);
    return !ec && std::filesystem::is_regular_file(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) ==
               std::filesystem::perms::none;
}

namespace {

bool& Stale() {
    static bool stale = false;
    return stale;
}

unsigned& Renames() {
    static unsigned renames = 0;
    return renames;
}

}  // namespace

void SetStaleAfterRename(bool stale) {
    Stale() = stale;
}

unsigned RenamesSoFar() {
    return Renames();
}

void NoteRenamed() {
    ++Renames();
}

void ApplyStaleSeam(unsigned renamesAtOpen, std::vector<std::uint8_t>& read) {
    if (Stale() && renamesAtOpen != Renames()) {
        std::fill(read.begin(), read.end(), std::uint8_t{0});
    }
}

}  // namespace detail

WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes, WriteOptions options) {
    const std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        return {false, "No destination folder was given"};
    }
    if (!target.has_filename()) {
        return {false, "No file name was given"};
    }
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(folder, ec);
    if (ec == std::errc::not_a_directory || (!ec && !std::filesystem::is_directory(status))) {
        return {false, std::generic_category().message(ENOTDIR)};
    }
    if (status.type() == std::filesystem::file_type::not_found) {
        return {false, std::generic_category().message(ENOENT)};
    }
    if (ec) {
        return {false, detail::ReasonText(ec)};
    }
    // Only a regular file is replaced: a link, device, pipe or folder is left as it is.
    const std::filesystem::file_type there = std::filesystem::symlink_status(target, ec).type();
    if (there != std::filesystem::file_type::not_found &&
        there != std::filesystem::file_type::regular) {
        WriteResult refused{false, std::string(kNotRegularTarget), false};
        refused.notRegular = true;
        return refused;
    }
    // Whether a previous file stands there, so that a failure says it was kept only then.
    const bool previous = there == std::filesystem::file_type::regular;
    // A file made read-only is protected on purpose: replaced only when asked.
    if (!options.replaceReadOnly && detail::IsReadOnlyFile(target)) {
        WriteResult refused{false, std::string(kReadOnlyTarget), true};
        refused.readOnly = true;
        return refused;
    }
    // What an interrupted write of this file left here (a card pulled, the program killed)
    // goes first: it may hold passwords.
    detail::RemoveLeftoverTemporaries(target);
    WriteResult result = detail::ReplaceThroughTemporaryFile(target, bytes, options);
    result.previousKept = result.previousKept && previous;
    return result;
}

std::optional<std::uint64_t> VolumeIdOf(const std::filesystem::path& folder) {
    return detail::FolderVolumeId(folder);
}

std::string FolderRefusal(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return "No destination folder was given";
    }
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(folder, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::generic_category().message(ENOENT);
    }
    if (ec) {
        return detail::ReasonText(ec);
    }
    if (!std::filesystem::is_directory(status)) {
        return std::generic_category().message(ENOTDIR);
    }
    return detail::FolderNotWritable(folder);
}

std::string CreateExclusiveFile(const std::filesystem::path& path) {
    return detail::CreateExclusive(path);
}

std::string CreateOwnerOnlyFolders(const std::filesystem::path& root,
                                   const std::filesystem::path& folder) {
    std::string error;
    std::error_code ec;
    if (!std::filesystem::is_directory(root, ec)) {
        std::filesystem::create_directories(root, ec);
        if (ec) {
            return detail::ReasonText(ec);
        }
    }
    if (!detail::MakeOwnerOnlyFolder(root, error)) {
        return error;
    }
    std::filesystem::path at = root;
    for (const std::filesystem::path& part : folder.lexically_relative(root)) {
        if (part == "." || part.empty()) {
            continue;
        }
        if (part == "..") {
            return "the folder is outside " + PathText(root);
        }
        at /= part;
        if (!detail::MakeOwnerOnlyFolder(at, error)) {
            return error;
        }
    }
    return {};
}

}  // namespace tov
