#pragma once

#include "cards/core/BackupStore.h"
#include "cards/core/CardContents.h"
#include "common/LocalDateTime.h"
#include "common/SafeFileWriter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tov::writes {

/// Where a write goes: a folder, and the card it was picked as when it came from one (the
/// found card, a choice in a card list, `--out card`, a batch's card row). A card destination
/// is written only while that card is still there.
struct Destination {
    std::string folder;
    std::optional<cards::Card> card;
};

/// One write of a configuration file.
struct WriteRequest {
    Destination destination;
    std::string_view fileName;  ///< "menu.dat"
    std::span<const std::uint8_t> bytes;
    WriteOptions options;  ///< owner-only, replacing a read-only file
    bool dryRun = false;   ///< every check, nothing written
    /// Write into a folder right under an automount root that no card is mounted on.
    bool force = false;
    /// The model the file is written for (1..5), noted with the card's backups so that a form
    /// of the other family can tell the file is not its own; 0: not noted.
    int model = 0;
};

/// What a write needs of its surroundings; each front end fills it from its platform.
struct WriteContext {
    std::filesystem::path backupsFolder;  ///< empty: no backups are kept
    LocalDateTime now;                    ///< the backup's name
    std::string user;                     ///< for the automount roots /media/USER
    int languageIndex = 2;                ///< the messages' language (Chinese or English)
    /// The cards there now: tells that a card destination is still the card picked, and which
    /// card a folder typed as a card's root is. Unset: the volume alone is checked.
    std::function<std::vector<cards::Card>()> listCards;
    /// The settings that change between two files of the kind, in words; unset: none named.
    std::function<std::string(std::span<const std::uint8_t> before,
                              std::span<const std::uint8_t> after)>
        changes;
};

/// Why a write did not happen, as far as the front end's exit code cares.
enum class WriteFailure {
    None,
    Destination,  ///< no card or not the card picked: nothing was written (exit 1)
    NotRegular,   ///< a link, device or pipe stands at the target (exit 2)
    Backup,       ///< the replaced file could not be kept: nothing was written (exit 1)
    Write,        ///< the safe output failed (exit 1); `result` says how
};

/// What a write did, for the front end to say.
struct WriteOutcome {
    bool ok = false;
    WriteFailure failure = WriteFailure::None;
    std::string path;                     ///< the file's path as the user reads it
    std::string problem;                  ///< Destination, NotRegular, Backup: the reason in words
    WriteResult result;                   ///< Write: the safe output's outcome
    std::string card;                     ///< the card's label, when the destination is a card
    bool existed = false;                 ///< a file stood there before
    bool replaced = false;                ///< it held other bytes
    std::string changes;                  ///< the settings that change, when it held other bytes
    std::optional<cards::Backup> backup;  ///< the replaced file, kept
    /// A dry run: what the write would do ("a new file would be written", why it would fail).
    std::string dryRun;
};

/// The folder name backups of `destination` go under: the card's label and serial, or for a
/// plain folder its last name.
std::string BackupCardOf(const Destination& destination);

/// Checks the destination (still the card picked; not a bare folder an ejected card left
/// behind), keeps the file it replaces as a backup, writes the new one through the safe
/// output with its read-back, and counts the changes. A backup is kept only for a write that
/// goes ahead, and the backups are trimmed only once the new file is verified.
WriteOutcome RunWrite(const WriteRequest& request, const WriteContext& context);

/// The card `folder` is the root of, among `cards`; null for any other folder.
const cards::Card* CardAtRoot(const std::vector<cards::Card>& cards, std::string_view folder);

}  // namespace tov::writes
