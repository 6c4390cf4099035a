#include "cli/FileOutput.h"

#include "cards/core/ChangedSettings.h"
#include "cards/core/WrittenRegister.h"
#include "cli/CliOptions.h"
#include "cli/InspectCommand.h"
#include "common/ConfigFile.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/Models.h"
#include "common/Text.h"
#include "profiles/core/FileSettings.h"

#include <cstdlib>

namespace tov::cli {
std::optional<writes::Destination> ResolveOutFolder(const std::string& outDir, CliEnvironment& env,
                                                    std::ostream& err) {
    if (outDir != kOutCard) {
        return writes::Destination{outDir, std::nullopt};
    }
    const std::vector<cards::Card> found =
        env.listCards ? env.listCards() : std::vector<cards::Card>{};
    const cards::CardChoice choice = cards::OnlyUsableCard(found);
    if (choice.card == nullptr) {
        err << "--out card: " << Printable(choice.problem) << "\n";
        return std::nullopt;
    }
    return writes::Destination{choice.card->mountPoint, *choice.card};
}

writes::WriteContext WriteContextFor(const AppState& state, CliEnvironment& env,
                                     std::string_view fileName) {
    writes::WriteContext context;
    context.backupsFolder = env.backupsFolder;
    context.now = env.localTime();
    const char* user = std::getenv("USER");
    context.user = user != nullptr ? user : "";
    context.languageIndex = state.languageIndex;
    context.listCards = env.listCards;
    if (const FileDecoder* decode = InspectedDecoderOf(fileName)) {
        const std::optional<int> model = state.modelIndex;
        const int language = state.languageIndex;
        context.changes = [decode, model, language](std::span<const std::uint8_t> before,
                                                    std::span<const std::uint8_t> after) {
            return cards::ChangesBetween((*decode)(before, model, true),
                                         (*decode)(after, model, true), language);
        };
    }
    return context;
}

int WriteConfigFileStep(const writes::Destination& destination, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options) {
    const writes::WriteRequest request{
        destination, fileName, bytes, options, dryRun, options.replaceReadOnly, state.modelIndex};
    const writes::WriteOutcome done =
        writes::RunWrite(request, WriteContextFor(state, env, fileName));
    if (dryRun && done.failure == writes::WriteFailure::None) {
        out << Printable(done.path) << ": " << done.dryRun << "\nnothing was written (--dry-run)\n";
        return kExitOk;
    }
    if (!done.ok) {
        if (done.failure == writes::WriteFailure::Backup) {
            err << "Could not keep a backup of " << Printable(done.path) << " in "
                << Printable(PathText(env.backupsFolder)) << ": " << done.problem
                << "; nothing was written\n";
            return kExitWriteFailed;
        }
        err << WriteFailureMessage(done.path, done.result, state.languageIndex) << "\n";
        if (!done.card.empty()) {
            err << state.message({"存储卡：", "Memory card: "}) << Printable(done.card) << "\n";
        }
        if (done.result.readOnly) {
            err << state.message({"用 --force 可替换只读文件", "--force replaces a read-only file"})
                << "\n";
        }
        if (dryRun) {
            err << "nothing was written (--dry-run)\n";
        }
        return done.failure == writes::WriteFailure::NotRegular ? kExitBadInput : kExitWriteFailed;
    }
    if (confirmation) {
        out << *confirmation << "\n";
    }
    if (done.replaced) {
        out << done.changes << "\n";
    }
    if (done.backup) {
        out << "the previous file is kept as backup " << Printable(done.backup->id) << "\n";
    }
    out << Printable(done.path) << "\n";
    return kExitOk;
}

int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        CliEnvironment& env, bool dryRun, std::ostream& out, std::ostream& err,
                        WriteOptions options) {
    const std::optional<writes::Destination> destination = ResolveOutFolder(outDir, env, err);
    if (!destination) {
        return kExitBadInput;
    }
    return WriteConfigFileStep(*destination, fileName, bytes, confirmation, state, env, dryRun, out,
                               err, options);
}

std::optional<SettingTexts> StartingSettings(bool update, const SettingTexts& fromFile,
                                             std::string_view member, std::string_view fileName,
                                             const std::string& outDir, const AppState& state,
                                             CliEnvironment& env, std::ostream& err) {
    if (!update) {
        return fromFile;
    }
    const std::optional<writes::Destination> destination = ResolveOutFolder(outDir, env, err);
    if (!destination) {
        return std::nullopt;
    }
    const std::string path = PathText(ConfigFilePath(destination->folder, fileName));
    const InputFile input = ReadInputFile(path, 64 * 1024, false);
    if (!input.error.empty() || input.truncated) {
        err << "--update: " << Printable(path) << ": "
            << (input.truncated ? std::string("larger than a configuration file")
                                : Printable(input.error))
            << "; there is no file of the tool's to start from\n";
        return std::nullopt;
    }
    // The file does not say its family; the tool noted which model it wrote it for.
    const std::optional<int> writtenFor =
        cards::WrittenRegister(env.backupsFolder)
            .ModelOf(writes::BackupCardOf(*destination), fileName, input.bytes);
    if (writtenFor && FamilyOf(*writtenFor) != FamilyOf(state.modelIndex)) {
        err << "--update: " << Printable(path) << " was written for a "
            << ModelDisplayName(*writtenFor) << ", whose settings a "
            << ModelDisplayName(state.modelIndex) << " reads differently; give --model "
            << ShortModelName(ModelFor(*writtenFor)) << "\n";
        return std::nullopt;
    }
    const profiles::FileSettings held = profiles::SettingsOfFile(
        member, input.bytes, {.modelIndex = state.modelIndex, .withSecrets = true}, env.codec);
    if (!held.refusal.empty()) {
        err << "--update: " << Printable(path) << ": " << Printable(held.refusal) << "\n";
        return std::nullopt;
    }
    SettingTexts texts = held.texts;
    for (const auto& [key, value] : fromFile) {
        texts[key] = value;
    }
    return texts;
}

std::filesystem::path UserFilePath(const std::string& given) {
    std::filesystem::path path = std::filesystem::u8path(given);
    if (path.parent_path().empty()) {
        path = std::filesystem::path(".") / path;
    }
    return path;
}

}  // namespace tov::cli
