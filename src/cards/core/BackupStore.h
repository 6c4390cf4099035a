#pragma once

#include "common/LocalDateTime.h"
#include "common/SafeFileWriter.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cards {

/// How many backups are kept per card and file; the oldest go first.
inline constexpr std::size_t kBackupsKept = 20;

/// A file kept before the tool replaced it on a card.
struct Backup {
    std::string id;    ///< "TOVCARD/menu.dat/2026-12-09_23-50-49": what `restore` takes
    std::string card;  ///< the card's label as a folder name
    std::string file;  ///< "menu.dat"
    std::string time;  ///< "2026-12-09 23:50:49"
    std::filesystem::path path;
    std::uintmax_t size = 0;
};

/// A card label as a folder name: separators, control characters and characters Windows
/// refuses become "_"; an empty label (or "." or "..") is "card".
std::string BackupFolderName(std::string_view label);

/// The backups under one folder: ROOT/LABEL/FILE/YYYY-MM-DD_HH-MM-SS.dat.
class BackupStore final {
public:
    explicit BackupStore(std::filesystem::path root);

    /// Keeps `bytes` as the newest backup of `fileName` from the card `label`, taken at
    /// `time`, through the safe output; then removes all but the newest kBackupsKept.
    WriteResult Keep(std::string_view label, std::string_view fileName,
                     std::span<const std::uint8_t> bytes, const LocalDateTime& time,
                     Backup* kept = nullptr) const;

    /// Every backup, by card, file and time (oldest first).
    std::vector<Backup> List() const;

    /// The backup named by its id, or by the path of its file.
    std::optional<Backup> Find(std::string_view idOrPath) const;

    const std::filesystem::path& Root() const { return m_root; }

private:
    std::filesystem::path m_root;
};

}  // namespace tov::cards
