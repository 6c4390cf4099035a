#pragma once

#include "common/SafeFileWriter.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The host halves of the safe file output (SafeFileWriterPosix.cpp, SafeFileWriterWindows.cpp)
// and what they share.
namespace tov::detail {

/// How often a taken temporary name is drawn again before the write gives up.
inline constexpr int kTemporaryNameAttempts = 100;

/// A fresh temporary file name beside `target`, with a random part so that two writers never
/// share one: ".menu.dat.Ab3xYz" on POSIX (hidden), "menu.dat.Ab3xYz.tmp" on Windows (where a
/// dot hides nothing and ".tmp" marks a leftover as safe to delete).
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

/// An operating system error as UTF-8 text for the forms and the command line.
std::string ReasonText(const std::error_code& error);

/// Creates a new temporary file beside `target` (in an existing folder), writes `bytes`,
/// flushes them to the medium, reads them back, renames the file over `target` in one step and
/// reads the target back. On failure the temporary file is gone; `previousKept` says whether
/// the failure came before the rename (the target untouched). The file gets the permissions
/// of the target it replaces, or owner-only ones when new and `options.ownerOnly`.
WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const WriteOptions& options);

/// The platform halves of VolumeIdOf, CreateExclusiveFile and one folder of
/// CreateOwnerOnlyFolders (made if missing; a link or a file there is refused).
std::optional<std::uint64_t> FolderVolumeId(const std::filesystem::path& folder);
std::string CreateExclusive(const std::filesystem::path& path);
bool MakeOwnerOnlyFolder(const std::filesystem::path& folder, std::string& error);
/// Why this user cannot create files in the existing folder `folder`; empty when it can.
std::string FolderNotWritable(const std::filesystem::path& folder);

/// Removes the temporary files an interrupted write of `target` left in its folder: regular
/// files of this user under the name pattern of TemporaryPathFor, older than a write takes.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);
/// Whether this user owns the file (always where files have no owners).
bool OwnedByThisUser(const std::filesystem::path& path);

/// Whether `target` is a file its owner may not write (mode 0444, the read-only attribute).
bool IsReadOnlyFile(const std::filesystem::path& target);

/// The file-system calls of a write, in the order they come. A read-back is followed by its
/// comparison, which a fault turns into other bytes from the medium.
enum class WriteStep {
    CreateTemporary,
    Write,
    Flush,
    Close,
    ReadBack,
    Compare,
    Rename,
    SyncFolder
};

/// The seam tests fail a write's steps through: asked before each step, true makes that step
/// fail (with an input/output error, or other bytes for Compare) instead of running. None is
/// set outside tests.
void SetWriteFault(std::function<bool(WriteStep)> fault);
bool Faulted(WriteStep step);

/// Whether `read`, the bytes a read-back gave, are `written`; the Compare step of the seam.
bool ReadBackMatches(std::vector<std::uint8_t> read, std::span<const std::uint8_t> written);

/// The seam's stand-in for a file system whose descriptors go stale after a rename (one FUSE
/// FAT driver reads zeros through them): when set, a read through a descriptor opened before
/// the latest rename gives zeros. Off outside tests.
void SetStaleAfterRename(bool stale);
/// How many renames the file layer has made; a reader notes it when it opens.
unsigned RenamesSoFar();
/// Called after each rename of a temporary file over its target.
void NoteRenamed();
/// Zeros `read` when the seam makes a reader opened at `renamesAtOpen` stale.
void ApplyStaleSeam(unsigned renamesAtOpen, std::vector<std::uint8_t>& read);

}  // namespace tov::detail
