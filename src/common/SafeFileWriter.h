#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tov {

/// The reason a write gives when the medium returned other bytes than were written.
inline constexpr std::string_view kReadBackDiffers =
    "The card holds different bytes than were written; try another card or reader";

/// The reason a write gives when the target is read-only and may not be replaced.
inline constexpr std::string_view kReadOnlyTarget = "The file is read-only";

/// The reason a write gives when something other than a regular file stands at the target.
inline constexpr std::string_view kNotRegularTarget =
    "Something other than a regular file is there (a link, device, pipe or folder); only "
    "regular files are replaced";

/// The reason a write gives when the folder is no longer on the volume it was chosen on.
inline constexpr std::string_view kOtherVolume =
    "The memory card is no longer there (ejected, pulled or replaced by another)";

/// How a write treats the permissions of the file it replaces or creates, and where it may
/// land. The replaced file's permissions are kept, less what `ownerOnly` takes away.
struct WriteOptions {
    bool ownerOnly = false;        ///< the file holds passwords: only its owner may read it
    bool replaceReadOnly = false;  ///< replace a file its owner may not write
    /// The volume the folder must be on (VolumeIdOf when the card was found), checked on the
    /// folder opened once for the whole write: an ejected card's bare mount folder or another
    /// card at its place is refused with kOtherVolume.
    std::optional<std::uint64_t> volume = std::nullopt;
};

/// The outcome of a file write: `ok`, or the reason in `error`.
struct WriteResult {
    bool ok = false;
    std::string error;  ///< the operating system's reason, or kReadBackDiffers
    /// On failure: a file stood at the target before the write and still holds its bytes.
    bool previousKept = false;
    bool differs = false;      ///< the bytes read back from the medium were not the ones written
    bool readOnly = false;     ///< the target is read-only and `replaceReadOnly` was not given
    bool notRegular = false;   ///< a link, device, pipe, socket or folder stands at the target
    bool otherVolume = false;  ///< the folder is not on the expected volume
    /// The file system keeps no permissions (FAT, exFAT): the mount decides who may read.
    bool modesIgnored = false;
};

/// Replaces `target` with `bytes` in one step: the bytes go to a temporary file in the same
/// folder, are flushed to the medium and read back from it (not from the cache), and the
/// temporary file is renamed over the target, which is read back once more. On any failure
/// before the rename the previous target is untouched, the temporary file is removed and the
/// reason is returned; a failure after it (the folder cannot be synced, the card gives back
/// other bytes) is reported with `previousKept` false. The new file keeps the permissions of
/// the one it replaces; a read-only target is refused unless `options` allow it (where the
/// file system keeps permissions at all: on FAT the mount decides).
WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes, WriteOptions options = {});

/// The identity of the volume `folder` is on (the device number on POSIX, the volume serial on
/// Windows); none when the folder cannot be looked at.
std::optional<std::uint64_t> VolumeIdOf(const std::filesystem::path& folder);

/// Why a write into `folder` would fail before it starts (it is missing, no folder, on a
/// read-only volume or not writable by this user); empty when it would not. What a dry run
/// checks without writing.
std::string FolderRefusal(const std::filesystem::path& folder);

/// Creates `path` as a new, empty, owner-only file, refusing whatever already stands there
/// (a file, a link): the reservation of a name that no other writer can take. Empty on
/// success, otherwise the reason.
std::string CreateExclusiveFile(const std::filesystem::path& path);

/// Makes `folder` and the folders above it up to `root` (which must exist or is made too)
/// owner-only (0700 on POSIX). Empty on success, otherwise the reason.
std::string CreateOwnerOnlyFolders(const std::filesystem::path& root,
                                   const std::filesystem::path& folder);

}  // namespace tov
