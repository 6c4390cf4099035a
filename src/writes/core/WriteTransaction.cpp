#include "writes/core/WriteTransaction.h"

#include "cards/core/CardFinder.h"
#include "cards/core/CardMessages.h"
#include "cards/core/WrittenRegister.h"
#include "common/AppState.h"
#include "common/ConfigFile.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/SafeFileWriterDetail.h"
#include "common/Text.h"

#include <algorithm>

namespace tov::writes {
namespace {

// A configuration file is 60 bytes to a few KiB; a larger one is no file of ours to compare.
constexpr std::size_t kMaxPreviousSize = 1024 * 1024;

constexpr MessagePair kNoCardMounted{"那里没有挂载存储卡（可能已弹出）",
                                     "no card is mounted there (it may have been ejected)"};
constexpr MessagePair kCardGone{"存储卡 %1 已不在（已弹出、拔出或换成了另一张卡）",
                                "the memory card %1 is no longer there (ejected, pulled or "
                                "replaced by another)"};
constexpr MessagePair kNotRegular{"那里是链接、设备、管道或文件夹，不是普通文件；只替换普通文件",
                                  kNotRegularTarget};

std::string WithoutFinalSeparator(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) {
        path.pop_back();
    }
    return path;
}

// Whether the card picked is still the one mounted at its place: the same device, the same
// volume serial where both are known, the same volume as the write will check.
bool StillThere(const cards::Card& picked, const std::vector<cards::Card>& now) {
    const cards::Card* card = CardAtRoot(now, picked.mountPoint);
    return card != nullptr && card->device == picked.device &&
           (picked.serial.empty() || card->serial.empty() || card->serial == picked.serial) &&
           (!picked.volumeId || card->volumeId == picked.volumeId);
}

// A folder right under an automount root (/media/CARD) that is on the same volume as that
// root: no card is mounted there, and it is the bare folder an ejected card leaves.
bool BareAutomountFolder(const std::string& folder, const std::string& user) {
    const std::string place = WithoutFinalSeparator(folder);
    if (!cards::IsAutomountPlace(place, user)) {
        return false;
    }
    const std::filesystem::path path = std::filesystem::u8path(place);
    const std::optional<std::uint64_t> own = VolumeIdOf(path);
    return own && own == VolumeIdOf(path.parent_path());
}

// Whether `folder` is a volume's own root (a mount point, a drive): only then can it be a
// card's, and only then are the cards listed to tell which.
bool VolumeRoot(const std::string& folder) {
    const std::filesystem::path path = std::filesystem::u8path(WithoutFinalSeparator(folder));
    if (path.has_root_path() && path == path.root_path()) {
        return true;
    }
    if (!path.root_name().empty() && path.relative_path().empty()) {
        return true;
    }
    const std::optional<std::uint64_t> own = VolumeIdOf(path);
    return own && own != VolumeIdOf(path.parent_path());
}

WriteOutcome Refused(WriteOutcome outcome, WriteFailure failure, std::string reason,
                     bool otherVolume) {
    outcome.failure = failure;
    outcome.problem = reason;
    // A link, device or folder there is no previous file of ours to speak of.
    outcome.result = {false, std::move(reason),
                      outcome.existed && failure != WriteFailure::NotRegular};
    outcome.result.otherVolume = otherVolume;
    outcome.result.notRegular = failure == WriteFailure::NotRegular;
    return outcome;
}

}  // namespace

const cards::Card* CardAtRoot(const std::vector<cards::Card>& cards, std::string_view folder) {
    const std::string wanted = WithoutFinalSeparator(std::string(folder));
    for (const cards::Card& card : cards) {
        if (WithoutFinalSeparator(card.mountPoint) == wanted) {
            return &card;
        }
    }
    return nullptr;
}

std::string BackupCardOf(const Destination& destination) {
    if (destination.card) {
        return cards::BackupCardName(destination.card->label, destination.card->serial);
    }
    std::filesystem::path path = std::filesystem::u8path(destination.folder);
    if (!path.has_filename()) {
        path = path.parent_path();
    }
    return cards::BackupFolderName(PathText(path.filename()));
}

WriteOutcome RunWrite(const WriteRequest& request, const WriteContext& context) {
    WriteOutcome outcome;
    Destination destination = request.destination;
    const int language = context.languageIndex;
    outcome.path = PathText(ConfigFilePath(destination.folder, request.fileName));

    // A folder typed as a card's root is that card: its backups are kept under the card, and
    // the write checks that it is still there.
    if (!destination.card && context.listCards && VolumeRoot(destination.folder)) {
        const std::vector<cards::Card> now = context.listCards();
        if (const cards::Card* card = CardAtRoot(now, destination.folder)) {
            destination.card = *card;
        }
    }
    if (destination.card) {
        outcome.card = destination.card->label;
    }
    const std::filesystem::path target = std::filesystem::u8path(outcome.path);
    std::error_code ec;
    const std::filesystem::file_type there = std::filesystem::symlink_status(target, ec).type();
    outcome.existed = there != std::filesystem::file_type::not_found;

    if (destination.card) {
        if (context.listCards && !StillThere(*destination.card, context.listCards())) {
            return Refused(
                std::move(outcome), WriteFailure::Destination,
                cards::Filled(PickMessage(kCardGone, language), {destination.card->label}), true);
        }
    } else if (!request.force && BareAutomountFolder(destination.folder, context.user)) {
        return Refused(std::move(outcome), WriteFailure::Destination,
                       std::string(PickMessage(kNoCardMounted, language)), true);
    }
    if (outcome.existed && there != std::filesystem::file_type::regular) {
        return Refused(std::move(outcome), WriteFailure::NotRegular,
                       std::string(PickMessage(kNotRegular, language)), false);
    }

    const InputFile previous = there == std::filesystem::file_type::regular
                                   ? ReadInputFile(outcome.path, kMaxPreviousSize, false)
                                   : InputFile{{}, false, "none"};
    const bool comparable = previous.error.empty() && !previous.truncated;
    outcome.replaced = comparable && !std::equal(previous.bytes.begin(), previous.bytes.end(),
                                                 request.bytes.begin(), request.bytes.end());
    if (outcome.replaced && context.changes) {
        outcome.changes = context.changes(previous.bytes, request.bytes);
    }

    WriteOptions options = request.options;
    if (destination.card && destination.card->volumeId) {
        options.volume = destination.card->volumeId;
    }
    if (request.dryRun) {
        const std::filesystem::path folder = target.parent_path();
        std::string refusal = FolderRefusal(folder);
        if (refusal.empty() && options.volume && VolumeIdOf(folder) != options.volume) {
            refusal = std::string(kOtherVolume);
        }
        if (refusal.empty() && !options.replaceReadOnly &&
            there == std::filesystem::file_type::regular && detail::IsReadOnlyFile(target)) {
            refusal = std::string(kReadOnlyTarget);
        }
        outcome.ok = refusal.empty();
        outcome.dryRun = !refusal.empty()   ? "would fail: " + refusal
                         : !outcome.existed ? std::string("a new file would be written")
                         : outcome.replaced ? "would be replaced; " + outcome.changes
                         : comparable
                             ? std::string("holds these bytes already; nothing would change")
                             : std::string("would be replaced (the file there cannot be compared)");
        if (!refusal.empty()) {
            outcome.failure = WriteFailure::Write;
            outcome.result = {false, refusal, outcome.existed};
        }
        return outcome;
    }

    const cards::BackupStore store(context.backupsFolder);
    const std::string backupCard = BackupCardOf(destination);
    if (outcome.replaced && !context.backupsFolder.empty()) {
        cards::Backup backup;
        const std::filesystem::file_time_type written =
            std::filesystem::last_write_time(target, ec);
        const WriteResult saved =
            store.Keep(backupCard, request.fileName, previous.bytes, context.now, &backup,
                       ec ? std::nullopt : std::optional(written));
        if (!saved.ok) {
            outcome.failure = WriteFailure::Backup;
            outcome.problem = saved.error;
            outcome.result = {false, saved.error, true};
            return outcome;
        }
        outcome.backup = backup;
    }

    outcome.result = WriteConfigFile(destination.folder, request.fileName, request.bytes, options);
    if (!outcome.result.ok) {
        outcome.failure = outcome.result.notRegular    ? WriteFailure::NotRegular
                          : outcome.result.otherVolume ? WriteFailure::Destination
                                                       : WriteFailure::Write;
        if (outcome.result.otherVolume && destination.card) {
            outcome.result.error =
                cards::Filled(PickMessage(kCardGone, language), {destination.card->label});
        }
        // The previous file still stands: its copy is no backup of anything replaced.
        if (outcome.backup && outcome.result.previousKept) {
            store.Discard(*outcome.backup);
            outcome.backup.reset();
        }
        return outcome;
    }
    outcome.ok = true;
    if (outcome.backup) {
        store.Trim(backupCard, request.fileName);
    }
    if (request.model > 0) {
        cards::WrittenRegister(context.backupsFolder)
            .Note(backupCard, request.fileName, request.bytes, request.model);
    }
    return outcome;
}

}  // namespace tov::writes
