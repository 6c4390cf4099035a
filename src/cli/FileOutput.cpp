#include "cli/FileOutput.h"

#include "cards/core/BackupStore.h"
#include "cards/core/ChangedSettings.h"
#include "cli/CliOptions.h"
#include "cli/InputFile.h"
#include "cli/InspectCommand.h"
#include "common/ConfigFile.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/Text.h"

#include <algorithm>

namespace tov::cli {
namespace {

// A configuration file is 60 bytes to a few KiB; a larger one is no file of ours to compare.
constexpr std::size_t kMaxPreviousSize = 1024 * 1024;

// The settings that differ between two files of one kind, as inspect's decoders read them.
std::string Changes(std::string_view fileName, std::span<const std::uint8_t> before,
                    std::span<const std::uint8_t> after, const AppState& state) {
    for (const auto& [name, decode] : InspectedDecoders()) {
        if (SameIgnoringCase(name, fileName)) {
            const std::optional<int> model = state.modelIndex;
            return cards::ChangesBetween(decode(before, model, true), decode(after, model, true),
                                         state.languageIndex);
        }
    }
    return cards::ChangesText({}, state.languageIndex);
}

std::string FolderLabel(const std::string& folder) {
    std::filesystem::path path = std::filesystem::u8path(folder);
    if (!path.has_filename()) {
        path = path.parent_path();
    }
    return PathText(path.filename());
}

}  // namespace

std::optional<OutFolder> ResolveOutFolder(const std::string& outDir, CliEnvironment& env,
                                          std::ostream& err) {
    if (outDir != kOutCard) {
        return OutFolder{outDir, FolderLabel(outDir)};
    }
    const std::vector<cards::Card> found =
        env.listCards ? env.listCards() : std::vector<cards::Card>{};
    const cards::CardChoice choice = cards::OnlyUsableCard(found);
    if (choice.card == nullptr) {
        err << "--out card: " << Printable(choice.problem) << "\n";
        return std::nullopt;
    }
    return OutFolder{choice.card->mountPoint, choice.card->label};
}

int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options) {
    const std::optional<OutFolder> target = ResolveOutFolder(outDir, env, err);
    if (!target) {
        return kExitBadInput;
    }
    const std::string path = PathText(ConfigFilePath(target->folder, fileName));
    std::error_code ec;
    const bool previousThere = std::filesystem::is_regular_file(std::filesystem::u8path(path), ec);
    const InputFile previous =
        previousThere ? ReadInputFile(path, kMaxPreviousSize) : InputFile{{}, false, "none"};
    const bool replaces =
        previous.error.empty() && !previous.truncated &&
        !std::equal(previous.bytes.begin(), previous.bytes.end(), bytes.begin(), bytes.end());
    const std::string changes = replaces ? Changes(fileName, previous.bytes, bytes, state) : "";

    if (dryRun) {
        out << Printable(path) << ": "
            << (!previousThere ? "a new file would be written"
                : replaces     ? "would be replaced; " + changes
                : previous.error.empty() && !previous.truncated
                    ? "holds these bytes already; nothing would change"
                    : "would be replaced (the file there cannot be compared)")
            << "\nnothing was written (--dry-run)\n";
        return kExitOk;
    }

    std::optional<cards::Backup> kept;
    if (replaces && !env.backupsFolder.empty()) {
        const cards::BackupStore store(env.backupsFolder);
        cards::Backup backup;
        const WriteResult saved =
            store.Keep(target->label, fileName, previous.bytes, env.localTime(), &backup);
        if (!saved.ok) {
            err << "Could not keep a backup of " << Printable(path) << " in "
                << Printable(PathText(env.backupsFolder)) << ": " << saved.error
                << "; nothing was written\n";
            return kExitWriteFailed;
        }
        kept = backup;
    }

    const WriteResult written = WriteConfigFile(target->folder, fileName, bytes, options);
    if (!written.ok) {
        err << WriteFailureMessage(path, written, state.languageIndex) << "\n";
        if (written.readOnly) {
            err << state.message({"用 --force 可替换只读文件", "--force replaces a read-only file"})
                << "\n";
        }
        return kExitWriteFailed;
    }
    if (confirmation) {
        out << *confirmation << "\n";
    }
    if (replaces) {
        out << changes << "\n";
    }
    if (kept) {
        out << "the previous file is kept as backup " << Printable(kept->id) << "\n";
    }
    out << Printable(path) << "\n";
    return kExitOk;
}

}  // namespace tov::cli
