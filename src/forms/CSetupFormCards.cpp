// The form base's memory-card part: the row under the folder field (the card found, a choice
// among several, the load offer), the backup of a file a write replaces, the count of the
// settings it changes, and the eject offer after a write to a card.

#include "cards/core/BackupStore.h"
#include "cards/core/CardMessages.h"
#include "cards/core/ChangedSettings.h"
#include "cards/core/WrittenRegister.h"
#include "common/ConfigFile.h"
#include "common/FilePath.h"
#include "common/Models.h"
#include "common/OwnTexts.h"
#include "forms/CSetupFormDlg.h"
#include "forms/CardBar.h"
#include "forms/QtText.h"
#include "writes/core/WriteTransaction.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <dbt.h>
// clang-format on
#endif

namespace tov {
namespace {

namespace text = cards::text;

// Cards come and go while a form is open: a look at the platform's list this often (the list
// itself is kept by the platform, away from the interface).
constexpr int kCardPollMs = 1000;
// A configuration file is 60 bytes to a few KiB; anything larger is not offered or compared.
constexpr std::uintmax_t kMaxStoredSize = 64 * 1024;

// The bytes of a regular file of at most kMaxStoredSize; none for anything else.
std::optional<std::vector<std::uint8_t>> ReadStoredFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxStoredSize || ec) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

// When the file was written: the camera clock it carries, else its modification time.
std::string WrittenAt(const FileReport& report, const std::filesystem::path& path) {
    for (const FieldSection& section : report.sections) {
        for (const DecodedField& field : section.fields) {
            if (field.name == "clock") {
                return field.meaning.substr(0, 16);
            }
        }
    }
    const QDateTime modified = QFileInfo(ToQString(PathText(path))).lastModified();
    return modified.toString("yyyy-MM-dd HH:mm").toStdString();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "; ") + line;
    }
    return text;
}

#ifdef _WIN32
// A volume arrived (a card put into a reader, a reader plugged in) or left.
bool IsVolumeChange(const MSG& msg) {
    if (msg.message != WM_DEVICECHANGE || msg.lParam == 0 ||
        (msg.wParam != DBT_DEVICEARRIVAL && msg.wParam != DBT_DEVICEREMOVECOMPLETE)) {
        return false;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg.lParam);
    return header->dbch_devicetype == DBT_DEVTYP_VOLUME;
}
#endif

}  // namespace

#ifdef _WIN32
bool CSetupFormDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (eventType == "windows_generic_MSG" && m_cardBar != nullptr &&
        IsVolumeChange(*static_cast<const MSG*>(message))) {
        // Listed again at once; read after the broadcast has been answered, when the system
        // lists the volume (and again by the poll, once the list is taken).
        m_platform.CardsChanged();
        QTimer::singleShot(0, this, [this] { refreshCards(false); });
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

void CSetupFormDlg::setStoredFile(StoredFile file) {
    m_stored = std::move(file);
    updateLoadOffer();
}

void CSetupFormDlg::setUpCardRow(QWidget* folderRow) {
    m_cardBar = new CardBar(m_state.languageIndex, this);
    // Under the folder row in the form's column; inside the row where the form has no column.
    auto* column = folderRow->parentWidget() != nullptr
                       ? qobject_cast<QBoxLayout*>(folderRow->parentWidget()->layout())
                       : nullptr;
    const int at = column != nullptr ? column->indexOf(folderRow) : -1;
    if (at >= 0) {
        column->insertWidget(at + 1, m_cardBar);
    } else if (folderRow->layout() != nullptr) {
        folderRow->layout()->addWidget(m_cardBar);
    }
    connect(m_cardBar, &CardBar::cardChosen, this, [this](const QString& root) {
        *m_folder = root.toStdString();
        writeForm();
        updateLoadOffer();
    });
    connect(m_cardBar, &CardBar::loadRequested, this, &CSetupFormDlg::loadStoredFile);
    for (const BoundField& field : m_fields) {
        if (field.kind == FieldKind::Folder && field.edit != nullptr) {
            connect(field.edit, &QLineEdit::editingFinished, this, &CSetupFormDlg::updateLoadOffer);
        }
    }
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] { refreshCards(false); });
    poll->start(kCardPollMs);
    refreshCards(true);
}

void CSetupFormDlg::refreshCards(bool opening) {
    std::vector<cards::Card> found = m_platform.Cards();
    const bool changed =
        opening || found.size() != m_cards.size() ||
        !std::equal(found.begin(), found.end(), m_cards.begin(), [](const auto& a, const auto& b) {
            return a.mountPoint == b.mountPoint && a.freeBytes == b.freeBytes &&
                   a.cameraFiles == b.cameraFiles;
        });
    if (!changed) {
        return;
    }
    // A card that goes takes the folder with it: its bare mount folder is no destination.
    const bool folderWasCard = m_folder != nullptr && cardAt(*m_folder) != nullptr;
    m_cards = std::move(found);
    if (folderWasCard && cardAt(*m_folder) == nullptr) {
        m_folder->clear();
        writeForm();
    }
    if (opening && m_folder != nullptr) {
        // With exactly one card the folder starts at its root; with several the user
        // chooses one (the folder starts empty, so that nothing goes to the home folder
        // unasked); with none the folder stays as it opens.
        const cards::CardChoice only = cards::OnlyUsableCard(m_cards);
        const auto usable = std::count_if(m_cards.begin(), m_cards.end(), [](const auto& card) {
            return cards::CardWarnings(card).empty();
        });
        if (only.card != nullptr) {
            *m_folder = only.card->mountPoint;
        } else if (usable > 1 && cardAt(*m_folder) == nullptr) {
            m_folder->clear();
        }
    }
    m_cardBar->showCards(m_cards, folder());
    updateLoadOffer();
}

const cards::Card* CSetupFormDlg::cardAt(const std::string& folder) const {
    return writes::CardAtRoot(m_cards, folder);
}

void CSetupFormDlg::updateLoadOffer() {
    if (m_cardBar == nullptr || m_stored.fileName.empty() || !m_stored.decode) {
        return;
    }
    const std::filesystem::path path = ConfigFilePath(folder(), m_stored.fileName);
    const std::optional<std::vector<std::uint8_t>> bytes = ReadStoredFile(path);
    if (!bytes) {
        m_cardBar->showOffer({}, false);
        return;
    }
    const FileReport report = m_stored.decode(*bytes);
    const std::string_view where =
        OwnLabel(cardAt(folder()) != nullptr ? OwnText::kThisCard : OwnText::kThisFolder,
                 m_state.languageIndex);
    const std::string_view model = ModelFor(m_state.modelIndex).name;
    const std::string_view file = m_stored.fileName;
    const std::optional<int> writtenFor = writtenModelOf(*bytes);
    if (!report.damaged() && writtenFor && FamilyOf(*writtenFor) != FamilyOf(m_state.modelIndex)) {
        m_cardBar->showOffer(cards::Filled(OwnLabel(OwnText::kOtherFamily, m_state.languageIndex),
                                           {where, ModelFor(*writtenFor).name}),
                             false);
    } else if (report.damaged()) {
        m_cardBar->showOffer(cards::Filled(OwnLabel(OwnText::kCannotLoad, m_state.languageIndex),
                                           {where, file, Joined(report.problems)}),
                             false);
    } else if (!report.notes.empty()) {
        m_cardBar->showOffer(cards::Filled(OwnLabel(OwnText::kOtherModel, m_state.languageIndex),
                                           {where, file, model, Joined(report.notes)}),
                             false);
    } else {
        // The model the tool wrote it for, where it did; else the file cannot tell its family,
        // and the offer says how it would be read.
        std::string offer = cards::Filled(
            OwnLabel(OwnText::kHoldsSettings, m_state.languageIndex),
            {where, writtenFor ? ModelFor(*writtenFor).name : model, WrittenAt(report, path)});
        if (!writtenFor) {
            offer += ' ';
            offer +=
                cards::Filled(OwnLabel(OwnText::kFamilyUnknown, m_state.languageIndex), {model});
        }
        m_cardBar->showOffer(offer, static_cast<bool>(m_stored.load));
    }
}

std::optional<int> CSetupFormDlg::writtenModelOf(std::span<const std::uint8_t> bytes) const {
    const cards::Card* card = cardAt(folder());
    const writes::Destination here{folder(), card != nullptr ? std::optional(*card) : std::nullopt};
    return cards::WrittenRegister(m_platform.BackupsFolder())
        .ModelOf(writes::BackupCardOf(here), m_stored.fileName, bytes);
}

void CSetupFormDlg::loadStoredFile() {
    const std::optional<std::vector<std::uint8_t>> bytes =
        ReadStoredFile(ConfigFilePath(folder(), m_stored.fileName));
    if (!bytes || !m_stored.load) {
        updateLoadOffer();
        return;
    }
    const FileReport report = m_stored.decode(*bytes);
    const std::optional<int> writtenFor = writtenModelOf(*bytes);
    if (report.damaged() || !report.notes.empty() ||
        (writtenFor && FamilyOf(*writtenFor) != FamilyOf(m_state.modelIndex))) {
        updateLoadOffer();  // it changed since the offer: say why it cannot be loaded
        return;
    }
    loadFileBytes(*bytes);
    m_cardBar->showOffer(
        cards::Filled(OwnLabel(OwnText::kLoaded, m_state.languageIndex), {m_stored.fileName}),
        false);
}

void CSetupFormDlg::loadFileBytes(std::span<const std::uint8_t> bytes) {
    // The folder is where the file goes, whatever the file says.
    const std::string kept = folder();
    m_stored.load(bytes, m_stored.decode(bytes));
    *m_folder = kept;
    showSelections();
    applyLocks();
    fileLoaded();
    writeForm();
}

writes::WriteOutcome CSetupFormDlg::writeThroughTransaction(const std::string& folder,
                                                            std::string_view fileName,
                                                            std::span<const std::uint8_t> bytes,
                                                            WriteOptions options) {
    writes::WriteRequest request{{folder, std::nullopt}, fileName, bytes, options};
    request.model = m_state.modelIndex;
    // A folder that is a card's root is that card: the write checks it is still there.
    if (const cards::Card* card = cardAt(folder)) {
        request.destination.card = *card;
    }
    writes::WriteContext context;
    context.backupsFolder = m_platform.BackupsFolder();
    context.now = m_platform.LocalTime();
    const char* user = std::getenv("USER");
    context.user = user != nullptr ? user : "";
    context.languageIndex = m_state.languageIndex;
    context.listCards = [this] {
        return m_platform.Cards();
    };
    if (m_stored.decode) {
        context.changes = [this](std::span<const std::uint8_t> before,
                                 std::span<const std::uint8_t> after) {
            return cards::ChangesBetween(m_stored.decode(before), m_stored.decode(after),
                                         m_state.languageIndex);
        };
    }
    return writes::RunWrite(request, context);
}

std::string CSetupFormDlg::cardNamed(const std::string& folder) const {
    const cards::Card* card = cardAt(folder);
    if (card == nullptr) {
        return {};
    }
    std::string line = "\n";
    line += cards::Filled(OwnMessage(OwnText::kMemoryCard, m_state.languageIndex), {card->label});
    return line;
}

void CSetupFormDlg::offerEject(const std::string& folder, const std::string& confirmation,
                               const std::function<void(const std::string&)>& writeAgain) {
    const cards::Card* card = cardAt(folder);
    if (card == nullptr) {
        m_platform.ShowMessage(confirmation);
        return;
    }
    const cards::Card target = *card;
    using Choice = Platform::AfterCardWrite;
    const Choice choice = m_platform.ShowCardWritten(
        confirmation, OwnLabel(OwnText::kEjectButton, m_state.languageIndex),
        OwnLabel(OwnText::kWriteAnother, m_state.languageIndex));
    if (choice == Choice::Done) {
        return;
    }
    // The card goes out before the next one is asked for, so that it can be pulled safely.
    const cards::EjectResult ejected = m_platform.EjectCard(target, m_state.languageIndex);
    refreshCards(false);
    if (choice == Choice::Eject || !ejected.ok) {
        m_platform.ShowMessage(ejected.message);
        return;
    }
    std::string prompt = ejected.message;
    prompt += '\n';
    prompt += m_state.message(text::kInsertNext);
    const std::optional<cards::Card> next =
        m_platform.WaitForNextCard(prompt, m_state.languageIndex);
    if (!next) {
        return;
    }
    refreshCards(false);
    *m_folder = next->mountPoint;
    writeForm();
    writeAgain(next->mountPoint);
}

}  // namespace tov
