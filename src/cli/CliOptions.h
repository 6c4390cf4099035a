#pragma once

#include "app/core/PreferenceBackend.h"
#include "cards/core/CardContents.h"
#include "cards/host/CardEject.h"
#include "common/AppState.h"
#include "common/FileTextCodec.h"
#include "common/LocalDateTime.h"
#include "common/SafeFileWriter.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tov::cli {

/// Reads one line from standard input (UTF-8, without its line end). On a terminal it first
/// prompts with `prompt` on `err` and does not echo what is typed. No value when the input has
/// ended.
std::optional<std::string> ReadSecretLine(std::string_view prompt, std::ostream& err);

/// Whether standard error is a terminal.
bool ErrorIsTerminal();

/// The exit codes every command keeps to.
enum ExitCode : int {
    kExitOk = 0,
    kExitWriteFailed = 1,  ///< a file or the preferences could not be written
    kExitBadInput = 2,     ///< bad input or usage; nothing was written
    kExitDamaged = 3,      ///< inspect: the file is damaged
    kExitUnexpected = 4,   ///< inspect: a sound file holding values no form writes
};

/// What the commands take from the host; tests pass their own.
struct CliEnvironment {
    PreferenceBackend& preferences;
    std::uint16_t systemLangId = 0x0409;
    std::function<LocalDateTime()> localTime;
    const FileTextCodec& codec;  ///< the code page texts are written into files with
    /// Reads a secret given as `--set KEY=-` (UTF-8), prompting with the text on the stream; no
    /// value when the input has ended. By default standard input, without echo on a terminal.
    std::function<std::optional<std::string>(std::string_view prompt, std::ostream& err)>
        readSecret = ReadSecretLine;
    /// The memory cards mounted now; not set: none.
    std::function<std::vector<cards::Card>()> listCards = {};
    /// Ejects a card; not set: ejecting is refused.
    std::function<EjectResult(const cards::Card&)> ejectCard = {};
    /// Where the files a write replaces are kept; empty: none are kept (tests that do not
    /// look at backups).
    std::filesystem::path backupsFolder = {};
    /// Where `--settings -` reads from.
    std::istream* standardInput = &std::cin;
    /// Whether the error stream is a terminal: progress is then one line that updates.
    bool terminal = false;
};

/// The options shared by the file commands; one not given takes the stored preference (a
/// given but empty value is refused, so that an unset variable in a script cannot pass).
struct CommonOptions {
    std::optional<std::string> model;
    std::optional<std::string> language;
    std::optional<std::string> tvMode;
    bool force = false;   ///< replace a read-only file
    bool dryRun = false;  ///< print what would change, write nothing
};

/// How a file command writes its file: `holdsPasswords` makes a new file owner-only, --force
/// replaces a read-only one.
inline WriteOptions FileWriteOptions(const CommonOptions& options, bool holdsPasswords) {
    return {.ownerOnly = holdsPasswords, .replaceReadOnly = options.force};
}

/// A model as 1..5, its list entry ("Tov 9030M") or its short form ("9030M").
std::optional<int> ParseModel(std::string_view text);
/// A language as 1..11 or its list entry ("Chinese", "中文", "Deutsch").
std::optional<int> ParseLanguage(std::string_view text);
/// A TV mode, 0..255.
std::optional<int> ParseTvMode(std::string_view text);
/// The years --clock takes: those a computer's clock can read (from the start of its count
/// to the end of a two-digit century), held to the camera's range as the forms hold the host
/// clock. Others (0000, 9999) are no clock reading but a mistake, and are refused.
inline constexpr int kClockOptionFirstYear = 1970;
inline constexpr int kClockOptionLastYear = 2099;

/// A clock reading as "YYYY-MM-DD HH:MM:SS" in the years above; the date must exist.
std::optional<LocalDateTime> ParseClock(std::string_view text);

/// The models, for help and messages: "1..5, Tov 2740M (2740M), ...".
std::string ModelChoices();
/// The languages, for help and messages: "1..11, Chinese, English, ...".
std::string LanguageChoices();

/// The parsers above for an option's text; a refusal names the option and what is allowed,
/// in the language of `state`, on `err`.
std::optional<int> CheckedModel(std::string_view text, const AppState& state, std::ostream& err);
std::optional<int> CheckedLanguage(std::string_view text, const AppState& state, std::ostream& err);
std::optional<int> CheckedTvMode(std::string_view text, const AppState& state, std::ostream& err);

/// The stored preferences (read without creating anything) after the start-up language rule:
/// the state of the commands that write no file.
AppState StoredAppState(CliEnvironment& env);

/// The state a file command works with: the stored preferences, the given options over them.
/// A stored model or language that no form writes a file for (outside 1..5 or 1..11) is
/// refused unless the option replaces it: the file would be written for no model. On bad
/// input the message goes to `err` and there is no value.
std::optional<AppState> ResolveAppState(const CommonOptions& options, CliEnvironment& env,
                                        std::ostream& err);

/// ResolveAppState for a command that writes a file into `outDir`, which must be given. The
/// model: --model, else the one `profileModel` names, else the stored one, which is then
/// named on `err` (a script should not depend unknowingly on what the window chose last).
std::optional<AppState> ResolveFileCommandState(const CommonOptions& options,
                                                const std::string& outDir, CliEnvironment& env,
                                                std::ostream& err,
                                                std::optional<int> profileModel = {});

/// The host's local clock.
LocalDateTime ReadLocalClock();

}  // namespace tov::cli
