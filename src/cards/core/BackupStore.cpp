#include "cards/core/BackupStore.h"

#include "common/FilePath.h"
#include "common/SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov::cards {
namespace {

constexpr std::string_view kExtension = ".dat";
constexpr int kSameSecondNames = 99;

std::string TimeName(const LocalDateTime& t) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text.data();
}

// "2026-12-09_23-50-49" or "2026-12-09_23-50-49_02" to "2026-12-09 23:50:49".
std::string TimeText(std::string name) {
    if (name.size() < 19) {
        return name;
    }
    name = name.substr(0, 19);
    name[10] = ' ';
    name[13] = ':';
    name[16] = ':';
    return name;
}

std::vector<std::filesystem::path> Entries(const std::filesystem::path& folder, bool folders) {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        const bool isFile = it->is_regular_file(typeError);
        if ((folders && isFolder) || (!folders && isFile && it->path().extension() == kExtension)) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

void RemoveAllButNewest(const std::filesystem::path& folder) {
    const std::vector<std::filesystem::path> files = Entries(folder, false);
    for (std::size_t i = 0; i + kBackupsKept < files.size(); ++i) {
        std::error_code ec;
        std::filesystem::remove(files[i], ec);
    }
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

BackupStore::BackupStore(std::filesystem::path root) : m_root(std::move(root)) {}

WriteResult BackupStore::Keep(std::string_view label, std::string_view fileName,
                              std::span<const std::uint8_t> bytes, const LocalDateTime& time,
                              Backup* kept) const {
    const std::string card = BackupFolderName(label);
    const std::string file = BackupFolderName(fileName);
    // Names are UTF-8: on Windows a narrow path would be read in the ANSI code page.
    const std::filesystem::path folder =
        m_root / std::filesystem::u8path(card) / std::filesystem::u8path(file);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return {false, ec.message()};
    }
    // A second backup within one second gets a number, so that none replaces another.
    const std::string base = TimeName(time);
    std::string name = base;
    for (int n = 2; std::filesystem::exists(
                        folder / std::filesystem::u8path(name + std::string(kExtension)), ec) &&
                    n <= kSameSecondNames;
         ++n) {
        std::string number = std::to_string(n);
        if (number.size() < 2) {
            number.insert(0, 1, '0');
        }
        name = base;
        name += '_';
        name += number;
    }
    const std::filesystem::path path =
        folder / std::filesystem::u8path(name + std::string(kExtension));
    WriteResult result = WriteFileAtomically(path, bytes);
    if (!result.ok) {
        return result;
    }
    RemoveAllButNewest(folder);
    if (kept != nullptr) {
        *kept = {card + "/" + file + "/" + name, card, file, TimeText(name), path, bytes.size()};
    }
    return result;
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
                                   TimeText(name), kept, ec ? 0 : size});
            }
        }
    }
    return backups;
}

std::optional<Backup> BackupStore::Find(std::string_view idOrPath) const {
    std::error_code ec;
    const std::filesystem::path given = std::filesystem::u8path(idOrPath);
    const std::filesystem::path absolute = std::filesystem::weakly_canonical(given, ec);
    for (const Backup& backup : List()) {
        if (backup.id == idOrPath ||
            (!ec && std::filesystem::weakly_canonical(backup.path, ec) == absolute)) {
            return backup;
        }
    }
    return std::nullopt;
}

}  // namespace tov::cards
