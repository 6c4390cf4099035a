#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tov {

/// The reason a write gives when the medium returned other bytes than were written.
inline constexpr std::string_view kReadBackDiffers =
    "The card holds different bytes than were written; try another card or reader";

/// The reason a write gives when the target is read-only and may not be replaced.
inline constexpr std::string_view kReadOnlyTarget = "The file is read-only";

/// How a write treats the permissions of the file it replaces or creates. The replaced file's
/// permissions are kept in any case.
struct WriteOptions {
    bool ownerOnly = false;        ///< a new file holds passwords: only its owner may read it
    bool replaceReadOnly = false;  ///< replace a file its owner may not write
};

/// The outcome of a file write: `ok`, or the reason in `error`.
struct WriteResult {
    bool ok = false;
    std::string error;  ///< the operating system's reason, or kReadBackDiffers
    /// On failure: a file stood at the target before the write and still holds its bytes.
    bool previousKept = false;
    bool differs = false;   ///< the bytes read back from the medium were not the ones written
    bool readOnly = false;  ///< the target is read-only and `replaceReadOnly` was not given
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

}  // namespace tov
