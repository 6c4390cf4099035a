#pragma once

#include "cli/CliOptions.h"
#include "common/SettingTexts.h"
#include "profiles/core/Profile.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cli {

/// Where a file command's settings come from: a JSON settings file, then KEY=VALUE setters
/// over it.
struct SettingSources {
    std::optional<std::string> settingsFile;  ///< given, even if empty
    std::vector<std::string> setters;
    bool update = false;  ///< start from the settings the destination's file holds
};

/// The word `--settings` takes for standard input.
inline constexpr std::string_view kStandardInput = "-";

/// What `--settings` gave a file command: its file's settings (UTF-8) and the model a
/// profile names.
struct SettingsFile {
    SettingTexts texts;
    std::optional<int> model;
};

/// Reads `--settings` (a file, or "-" for standard input) as a profile or, as before, one
/// file's flat object. From a profile the settings of `member` ("menu", "mms", "smtp"); a
/// profile without them, or one that says they cannot be written again, is refused. Not
/// given: no settings. A refusal goes to `err` (never repeating the file's content).
std::optional<SettingsFile> ReadSettingsFile(const std::optional<std::string>& path,
                                             std::string_view member, const AppState& state,
                                             CliEnvironment& env, std::ostream& err);

/// Whether `--settings -` and a `--set KEY=-` of one of `secretKeys` both ask for standard
/// input, which holds one of them only: the refusal goes to `err`.
bool ReadsStandardInputTwice(const SettingSources& sources,
                             const std::vector<std::string_view>& secretKeys, const AppState& state,
                             std::ostream& err);

/// Reads a profile (a file, or "-" for standard input) for `write` and `batch`: one file's
/// flat object is refused with the form a profile has.
std::optional<profiles::Profile> ReadProfileFile(const std::string& path, const AppState& state,
                                                 CliEnvironment& env, std::ostream& err);

/// Whether two of `setters` (KEY=VALUE) set the same KEY: the refusal, naming both by their
/// positions among the setters (from 1) and never a value, goes to `err`.
bool RepeatedSetter(const std::vector<std::string>& setters, const AppState& state,
                    std::ostream& err);

/// The settings texts of a file command, encoded into the file's code page: those of the
/// settings file, then each --set over them. A refusal goes to `err` and there is no value: a
/// setter without "=", a key set twice, a value with a control or invisible formatting
/// character, a character outside ASCII in one of `asciiOnlyKeys` or a character the code page
/// lacks (named by its position in characters from 1; the character too, unless the key is one
/// of `secretKeys`).
std::optional<SettingTexts>
CollectSettings(const SettingTexts& fromFile, const std::vector<std::string>& setters,
                const AppState& state, const FileTextCodec& codec, std::ostream& err,
                const std::vector<std::string_view>& secretKeys = {},
                const std::vector<std::string_view>& asciiOnlyKeys = {});

}  // namespace tov::cli
