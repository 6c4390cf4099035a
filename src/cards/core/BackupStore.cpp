#include "cards/core/BackupStore.h"

#include "common/FilePath.h"
#include "common/SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace tov::cards {
namespace {

constexpr std::string_view kExtension = ".dat";
// Names within one second: the time, then _002 to _999.
constexpr int kSameSecondNames = 999;
constexpr std::size_t kTimeNameLength = 19;

std::string TimeName(const LocalDateTime& t) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text.data();
}

// "2026-12-09_23-50-49" or "2026-12-09_23-50-49_002" to "2026-12-09 23:50:49".
std::string TimeText(std::string name) {
    if (name.size() < kTimeNameLength) {
        return name;
    }
    name = name.substr(0, kTimeNameLength);
    name[10] = ' ';
    name[13] = ':';
    name[16] = ':';
    return name;
}

// The order of two backups' names: by time, then by the counter within the second (which an
// older version wrote with two digits).
struct NameKey {
    std::string time;
    unsigned long counter = 1;
    bool operator<(const NameKey& other) const {
        return time != other.time ? time < other.time : counter < other.counter;
    }
};

NameKey KeyOf(const std::filesystem::path& file) {
    const std::string stem = PathText(file.stem());
    NameKey key{stem.substr(0, std::min(stem.size(), kTimeNameLength))};
    if (stem.size() > kTimeNameLength + 1 && stem[kTimeNameLength] == '_') {
        key.counter = std::strtoul(stem.c_str() + kTimeNameLength + 1, nullptr, 10);
    }
    return key;
}

std::string FileTimeText(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(file, ec);
    if (ec) {
        return {};
    }
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(time)));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M:%S", &local);
    return text.data();
}

// Backups are regular files with our ending; a link or anything else planted there is no
// backup of ours.
std::vector<std::filesystem::path> Entries(const std::filesystem::path& folder, bool folders) {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::filesystem::file_type type = it->symlink_status(typeError).type();
        if ((folders && type == std::filesystem::file_type::directory) ||
            (!folders && type == std::filesystem::file_type::regular &&
             it->path().extension() == kExtension)) {
            found.push_back(it->path());
        }
    }
    if (folders) {
        std::sort(found.begin(), found.end());
    } else {
        std::sort(found.begin(), found.end(),
                  [](const auto& a, const auto& b) { return KeyOf(a) < KeyOf(b); });
    }
    return found;
}

std::string Counted(const std::string& base, int n) {
    if (n == 1) {
        return base;
    }
    std::array<char, 8> number{};
    std::snprintf(number.data(), number.size(), "_%03d", n);
    return base + number.data();
}

}  // namespace

std::string BackupFolderName(std::string_view label) {
    std::string name;
    for (const char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = byte < 0x20 || byte == 0x7F ||
                             std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    if (name.empty() || name == "." || name == "..") {
        return "card";
    }
    return name;
}

std::string BackupCardName(std::string_view label, std::string_view serial) {
    std::string name = BackupFolderName(label);
    if (!serial.empty()) {
        name += '_';
        name += BackupFolderName(serial);
    }
    return name;
}

BackupStore::BackupStore(std::filesystem::path root) : m_root(std::move(root)) {}

WriteResult BackupStore::Keep(std::string_view card, std::string_view fileName,
                              std::span<const std::uint8_t> bytes, const LocalDateTime& time,
                              Backup* kept,
                              std::optional<std::filesystem::file_time_type> written) const {
    const std::string cardName = BackupFolderName(card);
    const std::string file = BackupFolderName(fileName);
    // Names are UTF-8: on Windows a narrow path would be read in the ANSI code page.
    const std::filesystem::path folder =
        m_root / std::filesystem::u8path(cardName) / std::filesystem::u8path(file);
    if (std::string error = CreateOwnerOnlyFolders(m_root, folder); !error.empty()) {
        return {false, error};
    }
    // The name is taken by creating it: another writer's backup of this second gets the next.
    const std::string base = TimeName(time);
    std::string name;
    std::filesystem::path path;
    std::string refusal;
    for (int n = 1; n <= kSameSecondNames; ++n) {
        name = Counted(base, n);
        path = folder / std::filesystem::u8path(name + std::string(kExtension));
        refusal = CreateExclusiveFile(path);
        std::error_code ec;
        if (refusal.empty() ||
            !std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
            break;
        }
    }
    if (!refusal.empty()) {
        return {false, refusal};
    }
    // The reserved file is owner-only, and the backup keeps that mode as it replaces it.
    WriteResult result = WriteFileAtomically(path, bytes, {.ownerOnly = true});
    if (!result.ok) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return result;
    }
    if (written) {
        std::error_code ec;
        std::filesystem::last_write_time(path, *written, ec);
    }
    if (kept != nullptr) {
        *kept = {cardName + "/" + file + "/" + name,
                 cardName,
                 file,
                 TimeText(name),
                 FileTimeText(path),
                 path,
                 bytes.size()};
    }
    return result;
}

void BackupStore::Discard(const Backup& backup) const {
    std::error_code ec;
    std::filesystem::remove(backup.path, ec);
}

void BackupStore::Trim(std::string_view card, std::string_view fileName) const {
    const std::filesystem::path folder = m_root / std::filesystem::u8path(BackupFolderName(card)) /
                                         std::filesystem::u8path(BackupFolderName(fileName));
    const std::vector<std::filesystem::path> files = Entries(folder, false);
    for (std::size_t i = 0; i + kBackupsKept < files.size(); ++i) {
        std::error_code ec;
        std::filesystem::remove(files[i], ec);
    }
}

std::vector<Backup> BackupStore::List() const {
    std::vector<Backup> backups;
    for (const std::filesystem::path& card : Entries(m_root, true)) {
        for (const std::filesystem::path& file : Entries(card, true)) {
            for (const std::filesystem::path& kept : Entries(file, false)) {
                const std::string name = PathText(kept.stem());
                const std::string cardName = PathText(card.filename());
                const std::string fileName = PathText(file.filename());
                std::error_code ec;
                const std::uintmax_t size = std::filesystem::file_size(kept, ec);
                backups.push_back({cardName + "/" + fileName + "/" + name, cardName, fileName,
                                   TimeText(name), FileTimeText(kept), kept, ec ? 0 : size});
            }
        }
    }
    return backups;
}

std::optional<Backup> BackupStore::Find(std::string_view idOrPath) const {
    std::string id(idOrPath);
    std::replace(id.begin(), id.end(), '\\', '/');
    std::error_code ec;
    const std::filesystem::path given = std::filesystem::u8path(idOrPath);
    const std::filesystem::path absolute = std::filesystem::weakly_canonical(given, ec);
    for (const Backup& backup : List()) {
        std::error_code each;
        if (backup.id == id ||
            (!ec && std::filesystem::weakly_canonical(backup.path, each) == absolute && !each)) {
            return backup;
        }
    }
    return std::nullopt;
}

}  // namespace tov::cards
