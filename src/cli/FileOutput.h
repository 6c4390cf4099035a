#pragma once

#include "cli/CliOptions.h"
#include "common/AppState.h"
#include "common/SafeFileWriter.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tov::cli {

/// The word `--out` takes for the only memory card.
inline constexpr std::string_view kOutCard = "card";

/// Where a file command writes: the folder, and the card's label for its backups.
struct OutFolder {
    std::string folder;
    std::string label;
};

/// `--out`'s folder: the folder given, or for "card" the only usable card's root. With none
/// or several cards the cards found are listed on `err` and there is no value (exit 2).
std::optional<OutFolder> ResolveOutFolder(const std::string& outDir, CliEnvironment& env,
                                          std::ostream& err);

/// The last step of every file command: writes `fileName` into `outDir` (a folder or "card")
/// through the safe output. A file there with other bytes is kept in the backups folder first
/// and the settings that change are named. On failure: the write-failure message on `err`,
/// exit 1, the previous file kept. On success: the confirmation, if the model has one, the
/// changes, then the file's path on `out`, exit 0. `dryRun`: only what would change, nothing
/// written. A read-only target is refused (exit 1, with the hint of --force) unless `options`
/// allow it.
int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options = {});

}  // namespace tov::cli
