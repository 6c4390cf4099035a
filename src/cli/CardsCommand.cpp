#include "cli/CardsCommand.h"

#include "cards/core/BackupStore.h"
#include "cards/core/CardContents.h"
#include "cli/FileOutput.h"
#include "cli/InputFile.h"
#include "cli/Json.h"
#include "common/FilePath.h"
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
            << Printable(backup.file) << ", " << backup.time << ", " << backup.size << " bytes)\n";
    }
    return kExitOk;
}

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
    const InputFile input = ReadInputFile(PathText(backup->path), kMaxBackupSize);
    if (!input.error.empty() || input.truncated) {
        err << "restore: " << Printable(PathText(backup->path)) << ": "
            << (input.truncated ? "larger than a configuration file" : Printable(input.error))
            << "\n";
        return kExitBadInput;
    }
    return WriteConfigFileStep(options.outDir, backup->file, input.bytes,
                               "restored backup " + Printable(backup->id), *state, env,
                               options.common.dryRun, out, err);
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
