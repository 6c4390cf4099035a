#include "cli/CardsCommand.h"

#include "cards/core/BackupStore.h"
#include "cards/core/CardContents.h"
#include "cli/FileOutput.h"
#include "cli/InspectCommand.h"
#include "cli/Json.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/Models.h"
#include "common/Text.h"

namespace tov::cli {
namespace {

// A backup is a configuration file: 60 bytes to a few KiB.
constexpr std::size_t kMaxBackupSize = 1024 * 1024;

std::vector<cards::Card> Cards(CliEnvironment& env) {
    return env.listCards ? env.listCards() : std::vector<cards::Card>{};
}

void PrintCard(const cards::Card& card, std::ostream& out) {
    out << Printable(card.mountPoint) << "\n"
        << "  label: " << Printable(card.label) << "\n"
        << "  file system: " << Printable(card.fileSystem) << "\n"
        << "  size: " << cards::SizeText(card.totalBytes) << ", " << cards::SizeText(card.freeBytes)
        << " free\n";
    if (!card.device.empty()) {
        out << "  device: " << Printable(card.device) << "\n";
    }
    if (!card.serial.empty()) {
        out << "  volume serial: " << Printable(card.serial) << "\n";
    }
    const std::string signs = cards::CameraSigns(card);
    out << "  camera card: " << (signs.empty() ? "no camera files" : Printable(signs)) << "\n";
    for (const std::string& warning : cards::CardWarnings(card)) {
        out << "  warning: " << Printable(warning) << "\n";
    }
}

std::string CardList(const std::vector<cards::Card>& found) {
    std::string text;
    for (const cards::Card& card : found) {
        text += (text.empty() ? "" : ", ") + card.mountPoint;
    }
    return text.empty() ? "none found" : text;
}

}  // namespace

int RunCardsCommand(const CardsOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream&) {
    const std::vector<cards::Card> found = Cards(env);
    if (options.json) {
        out << CardsJson(found) << "\n";
        return kExitOk;
    }
    if (found.empty()) {
        out << "no memory card found\n";
    }
    for (const cards::Card& card : found) {
        PrintCard(card, out);
    }
    return kExitOk;
}

int RunBackupsCommand(const BackupsOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream&) {
    const cards::BackupStore store(env.backupsFolder);
    const std::vector<cards::Backup> backups =
        env.backupsFolder.empty() ? std::vector<cards::Backup>{} : store.List();
    if (options.json) {
        out << BackupsJson(PathText(env.backupsFolder), backups) << "\n";
        return kExitOk;
    }
    out << "backups in " << Printable(PathText(env.backupsFolder)) << ":\n";
    if (backups.empty()) {
        out << "  none\n";
    }
    for (const cards::Backup& backup : backups) {
        out << "  " << Printable(backup.id) << "  (" << Printable(backup.card) << ", "
            << Printable(backup.file) << ", replaced " << backup.time << ", written "
            << (backup.written.empty() ? "at an unknown time" : backup.written) << ", "
            << backup.size << " bytes)\n";
    }
    return kExitOk;
}

namespace {

// Why the backup `backup` is no file the tool would write for the state's model; empty when it
// is one: a regular file (never a link) inside the backups folder, named for one of the
// tool's files, sound for its kind and written by the model.
std::string RestoreRefusal(const cards::Backup& backup, const InputFile& input,
                           const std::filesystem::path& root, const AppState& state) {
    if (!input.error.empty()) {
        return input.error;
    }
    if (input.truncated) {
        return "larger than a configuration file";
    }
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(backup.path, ec);
    const std::filesystem::path folder = std::filesystem::canonical(root, ec);
    const auto inside = real.lexically_relative(folder);
    if (ec || inside.empty() || *inside.begin() == "..") {
        return "it is not inside the backups folder";
    }
    const FileDecoder* decode = InspectedDecoderOf(backup.file);
    if (decode == nullptr) {
        return "its folder names no file the tool writes";
    }
    const bool email = SameIgnoringCase(backup.file, "smtp.dat");
    if (email && !ModelFor(state.modelIndex).hasEmailForm) {
        return "the " + ModelDisplayName(state.modelIndex) +
               " has no e-mail form; give --model with a model that writes smtp.dat";
    }
    const FileReport report = (*decode)(input.bytes, state.modelIndex, true);
    if (report.damaged()) {
        std::string problems;
        for (const std::string& problem : report.problems) {
            problems += (problems.empty() ? "" : "; ") + problem;
        }
        return "it is no sound " + backup.file + ": " + problems;
    }
    if (!report.notes.empty()) {
        return "it holds values no form of the " + ModelDisplayName(state.modelIndex) + " writes";
    }
    return {};
}

}  // namespace

int RunRestoreCommand(const RestoreOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err) {
    const auto state = ResolveFileCommandState(options.common, options.outDir, env, err);
    if (!state) {
        return kExitBadInput;
    }
    const std::optional<cards::Backup> backup =
        env.backupsFolder.empty() ? std::nullopt
                                  : cards::BackupStore(env.backupsFolder).Find(options.backup);
    if (!backup) {
        err << "restore: " << Quoted(Printable(options.backup))
            << " is no kept backup; `tovbrenn-cli backups` lists them\n";
        return kExitBadInput;
    }
    // Opened without following a link: a link planted among the backups is refused, whatever
    // it points at.
    const InputFile input = ReadInputFile(PathText(backup->path), kMaxBackupSize, false);
    const std::string refusal = RestoreRefusal(*backup, input, env.backupsFolder, *state);
    if (!refusal.empty()) {
        err << "restore: " << Printable(PathText(backup->path)) << ": " << Printable(refusal)
            << "; nothing was written\n";
        return kExitBadInput;
    }
    const bool secret = !SameIgnoringCase(backup->file, "menu.dat");
    return WriteConfigFileStep(
        options.outDir, backup->file, input.bytes, "restored backup " + Printable(backup->id),
        *state, env, options.common.dryRun, out, err, FileWriteOptions(options.common, secret));
}

int RunEjectCommand(const EjectOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err) {
    const std::vector<cards::Card> found = Cards(env);
    const cards::Card* card = nullptr;
    if (options.card) {
        card = cards::CardNamed(found, *options.card);
        if (card == nullptr) {
            err << "eject: " << Quoted(Printable(*options.card))
                << " is no memory card; cards: " << Printable(CardList(found)) << "\n";
            return kExitBadInput;
        }
    } else if (found.size() == 1) {
        card = &found.front();
    } else {
        err << "eject: name the card to eject; cards: " << Printable(CardList(found)) << "\n";
        return kExitBadInput;
    }
    if (!env.ejectCard) {
        err << "eject: not available here\n";
        return kExitWriteFailed;
    }
    const EjectResult result = env.ejectCard(*card);
    (result.ok ? out : err) << Printable(result.message) << "\n";
    return result.ok ? kExitOk : kExitWriteFailed;
}

}  // namespace tov::cli
