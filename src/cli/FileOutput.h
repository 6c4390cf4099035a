#pragma once

#include "cli/CliOptions.h"
#include "common/AppState.h"
#include "common/SafeFileWriter.h"
#include "common/SettingTexts.h"
#include "writes/core/WriteTransaction.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tov::cli {

/// The word `--out` takes for the only memory card.
inline constexpr std::string_view kOutCard = "card";

/// `--out`'s destination: the folder given, or for "card" the only usable card, which the
/// write then checks is still there. With none or several cards the cards found are listed
/// on `err` and there is no value (exit 2).
std::optional<writes::Destination> ResolveOutFolder(const std::string& outDir, CliEnvironment& env,
                                                    std::ostream& err);

/// The surroundings of a command's writes: backups, clock, user, cards, language, and the
/// changes named by inspect's decoders for the state's model.
writes::WriteContext WriteContextFor(const AppState& state, CliEnvironment& env,
                                     std::string_view fileName);

/// The last step of every file command: writes `fileName` into the destination through the
/// write transaction (the card checked, the replaced file kept, the file read back). On
/// failure: the write-failure message on `err`, exit 1 (exit 2 when a link, device or pipe
/// stands there), the previous file kept. On success: the confirmation, if the model has
/// one, the changes, the backup kept, then the file's path on `out`, exit 0. `dryRun`: every
/// check and what would change, nothing written (exit 1 when the write would fail). A
/// read-only target is refused (with the hint of --force) unless `options` allow it.
int WriteConfigFileStep(const writes::Destination& destination, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options = {});
/// The same for `--out`'s text (a folder or "card").
int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options = {});

/// The settings a file command starts from: with `update`, those the destination's file holds
/// (read as `inspect` reads it, passwords included) under the settings file's own; without
/// it, the settings file's alone. A destination whose file is missing, damaged or of another
/// model is refused with the reason on `err` (exit 2).
std::optional<SettingTexts> StartingSettings(bool update, const SettingTexts& fromFile,
                                             std::string_view member, std::string_view fileName,
                                             const std::string& outDir, const AppState& state,
                                             CliEnvironment& env, std::ostream& err);

/// A path the user gave for a file of their own (a profile, a log): a bare name is a file in
/// the current folder.
std::filesystem::path UserFilePath(const std::string& given);

}  // namespace tov::cli
