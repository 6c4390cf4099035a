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
    std::string id;    ///< "TOVCARD_1A2B-3C4D/menu.dat/2026-12-09_23-50-49": what `restore` takes
    std::string card;  ///< the card's folder name: its label, and its volume serial if known
    std::string file;  ///< "menu.dat"
    std::string time;  ///< when it was replaced: "2026-12-09 23:50:49"
    std::string written;  ///< when the replaced file had been written (its file time)
    std::filesystem::path path;
    std::uintmax_t size = 0;
};

/// A card label as a folder name: separators, control characters and characters Windows
/// refuses become "_"; an empty label (or "." or "..") is "card".
std::string BackupFolderName(std::string_view label);

/// The folder a card's backups are kept in: its label, with its volume serial where the card
/// has one ("TOVCARD_1A2B-3C4D"), so that two cards of one label keep theirs apart and one
/// card keeps its own however its folder was named.
std::string BackupCardName(std::string_view label, std::string_view serial);

/// The backups under one folder: ROOT/CARD/FILE/YYYY-MM-DD_HH-MM-SS[_NNN].dat. The folders are
/// owner-only and so is every backup, from its creation: the files hold passwords.
class BackupStore final {
public:
    explicit BackupStore(std::filesystem::path root);

    /// Keeps `bytes` as a new backup of `fileName` from the card folder `card`, taken at
    /// `time`; `written` is the replaced file's own time, given to the backup. A name is never
    /// shared: each is reserved on its own (a counter follows the second within one second),
    /// so that writers at once and many writes in a second each keep theirs. Nothing is
    /// trimmed here: see Trim.
    WriteResult Keep(std::string_view card, std::string_view fileName,
                     std::span<const std::uint8_t> bytes, const LocalDateTime& time,
                     Backup* kept = nullptr,
                     std::optional<std::filesystem::file_time_type> written = {}) const;

    /// Removes a backup kept for a write that did not go ahead.
    void Discard(const Backup& backup) const;

    /// Removes all but the newest kBackupsKept backups of one card and file: called once the
    /// new file is in place and verified.
    void Trim(std::string_view card, std::string_view fileName) const;

    /// Every backup, by card, file and time (oldest first).
    std::vector<Backup> List() const;

    /// The backup named by its id (with / or \ between its parts), or by the path of its file.
    std::optional<Backup> Find(std::string_view idOrPath) const;

    const std::filesystem::path& Root() const { return m_root; }

private:
    std::filesystem::path m_root;
};

}  // namespace tov::cards
