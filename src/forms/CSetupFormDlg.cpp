#include "forms/CSetupFormDlg.h"

#include "cards/core/CardMessages.h"
#include "common/FieldMessages.h"

#include "common/ConfigFile.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/OwnTexts.h"
#include "common/Text.h"
#include "common/ValueCheck.h"
#include "forms/CheckIntRange.h"
#include "forms/FieldLook.h"
#include "forms/FocusMark.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "forms/WindowFit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>

namespace tov {
namespace {

// Four digits hold every value the number fields accept (and more, so an out-of-range entry
// can be reported), while no typed number can overflow an int.
constexpr int kNumberDigits = 4;

// Typing stops at the folder limit; a longer path from the folder picker is still shown in
// full (setText does not validate), so that reading the form reports it instead of cutting it.
class FolderLengthValidator final : public QValidator {
public:
    using Refused = std::function<void(const std::string& reason)>;
    FolderLengthValidator(int maxChars, int languageIndex, Refused refused, QObject* parent)
        : QValidator(parent), m_maxChars(maxChars), m_languageIndex(languageIndex),
          m_refused(std::move(refused)) {}
    State validate(QString& input, int& /*pos*/) const override {
        if (input.size() > m_maxChars) {
            m_refused(CharacterLimitMessage(m_maxChars, m_languageIndex));
            return Invalid;
        }
        return Acceptable;
    }

private:
    int m_maxChars;
    int m_languageIndex;
    Refused m_refused;
};

// Typing or pasting stops where the text would pass its limit in the file's bytes, would hold
// a character the file's code page cannot, a control or an invisible formatting character, or,
// in a text that reaches a network, a character outside ASCII; `refused` is told why, so the
// field can say it.
class FileTextValidator final : public QValidator {
public:
    using Refused = std::function<void(const std::string& reason)>;
    FileTextValidator(const FileTextCodec& codec, int maxBytes, bool asciiOnly, int languageIndex,
                      Refused refused, QObject* parent)
        : QValidator(parent), m_codec(codec), m_maxBytes(maxBytes), m_asciiOnly(asciiOnly),
          m_languageIndex(languageIndex), m_refused(std::move(refused)) {}
    State validate(QString& input, int& /*pos*/) const override {
        const std::string text = input.toStdString();
        if (const auto at = ForbiddenCharacterPosition(text)) {
            m_refused(ForbiddenCharacterMessage(*at, m_languageIndex));
            return Invalid;
        }
        const FileTextCodec::Encoded encoded = m_codec.Encode(text);
        if (!encoded.unrepresentable.empty()) {
            m_refused(CodePageMessage(encoded.unrepresentable, m_codec.Name(), m_languageIndex));
            return Invalid;
        }
        const ValueVerdict verdict = CheckTextBytes(encoded.bytes, m_maxBytes, m_asciiOnly);
        if (verdict.fault == ValueFault::NotAscii) {
            m_refused(AsciiOnlyMessage(m_languageIndex));
            return Invalid;
        }
        if (!verdict.ok()) {
            m_refused(ByteLimitMessage(m_maxBytes, m_languageIndex));
            return Invalid;
        }
        return Acceptable;
    }

private:
    const FileTextCodec& m_codec;
    int m_maxBytes;
    bool m_asciiOnly;
    int m_languageIndex;
    Refused m_refused;
};

bool IsEditKind(FieldKind kind) {
    return kind == FieldKind::Number || kind == FieldKind::Text || kind == FieldKind::Folder;
}

}  // namespace

CSetupFormDlg::CSetupFormDlg(const AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), m_state(state), m_platform(platform) {
    // Before any control is built, so that every list answers screen readers with its label.
    InstallAccessibleListNames();
    AddFocusMark(this);
}

CSetupFormDlg::~CSetupFormDlg() = default;

const std::string& CSetupFormDlg::folder() const {
    static const std::string none;
    return m_folder != nullptr ? *m_folder : none;
}

void CSetupFormDlg::addField(BoundField field, int readOrder) {
    if (field.kind == FieldKind::Folder) {
        m_folder = field.text;
    }
    if (!field.present) {
        // The other family's row: its frame holds the label and the input.
        for (QWidget* widget : field.combos) {
            widget->parentWidget()->hide();
        }
        if (field.edit != nullptr) {
            field.edit->parentWidget()->hide();
        }
    }
    m_fields.push_back(std::move(field));
    if (readOrder != kNotRead) {
        m_readOrder.emplace_back(readOrder, m_fields.size() - 1);
        std::stable_sort(m_readOrder.begin(), m_readOrder.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    connectField(m_fields.back());
}

void CSetupFormDlg::connectField(const BoundField& field) {
    const FieldKey key = field.key;
    if (field.edit != nullptr) {
        QLineEdit* edit = field.edit;
        switch (field.kind) {
        case FieldKind::Number: {
            static const QRegularExpression digits(QStringLiteral("[0-9]*"));
            edit->setValidator(new QRegularExpressionValidator(digits, edit));
            edit->setMaxLength(kNumberDigits);
            edit->setAlignment(Qt::AlignCenter);
            break;
        }
        case FieldKind::Text:
            edit->setValidator(new FileTextValidator(
                m_platform.FileCodec(), field.max, field.asciiOnly, m_state.languageIndex,
                [this, edit](const std::string& reason) { showRefusal(edit, reason); }, edit));
            break;
        case FieldKind::Folder:
            edit->setValidator(new FolderLengthValidator(
                field.max, m_state.languageIndex,
                [this, edit](const std::string& reason) { showRefusal(edit, reason); }, edit));
            break;
        default:
            break;
        }
        if (field.kind == FieldKind::Folder) {
            // The typed folder is the destination at once, so Generate never writes to a
            // folder other than the one on screen.
            connect(edit, &QLineEdit::textEdited, this,
                    [this](const QString& text) { *m_folder = text.toStdString(); });
        } else {
            // textEdited, not textChanged: writing the form must not run the handlers again.
            connect(edit, &QLineEdit::textEdited, this, [this, key] { fieldEdited(key); });
        }
    }
    for (std::size_t i = 0; i < field.combos.size(); ++i) {
        const std::size_t index = m_fields.size() - 1;
        connect(field.combos[i], &QComboBox::currentIndexChanged, this,
                [this, index, i](int selection) {
                    const BoundField& bound = m_fields[index];
                    if (bound.chars != nullptr) {
                        (*bound.chars)[i] = selection;
                    } else {
                        *bound.number = selection;
                    }
                    listChanged(bound.key, selection);
                });
    }
}

const BoundField* CSetupFormDlg::boundField(FieldKey key) const {
    const auto it = std::find_if(m_fields.begin(), m_fields.end(),
                                 [key](const BoundField& field) { return field.key == key; });
    return it == m_fields.end() ? nullptr : &*it;
}

void CSetupFormDlg::fillLists(const ChoicesFn& choices) {
    for (const BoundField& field : m_fields) {
        if (field.list < 0) {
            continue;
        }
        const std::vector<std::string_view> entries = choices(field.list);
        for (QComboBox* combo : field.combos) {
            const QSignalBlocker quiet(combo);
            combo->clear();
            for (const std::string_view entry : entries) {
                combo->addItem(ToQString(entry));
            }
        }
    }
    showSelections();
}

void CSetupFormDlg::fillList(FieldKey key, const std::vector<std::string_view>& entries,
                             int selection) {
    const BoundField* field = boundField(key);
    QComboBox* combo = field->combos.front();
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const std::string_view entry : entries) {
        combo->addItem(ToQString(entry));
    }
    combo->setCurrentIndex(selection);
    *field->number = combo->currentIndex();
}

void CSetupFormDlg::showSelections() {
    for (const BoundField& field : m_fields) {
        for (std::size_t i = 0; i < field.combos.size(); ++i) {
            QComboBox* combo = field.combos[i];
            int& held = field.chars != nullptr ? (*field.chars)[i] : *field.number;
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(held);
            held = combo->currentIndex();  // -1 for an empty list
        }
    }
}

bool CSetupFormDlg::readForm() {
    for (const auto& [place, index] : m_readOrder) {
        const BoundField& field = m_fields[index];
        if (!readField(field) || !fieldRead(field.key)) {
            field.edit->setFocus();
            return false;
        }
    }
    return true;
}

bool CSetupFormDlg::readField(const BoundField& field) {
    const QString text = field.edit->text();
    switch (field.kind) {
    case FieldKind::Folder:
        *field.text = text.toStdString();
        if (text.size() > field.max) {
            m_platform.ShowFieldMessage(StandardLengthMessage(field.max));
            return false;
        }
        return true;
    case FieldKind::Text: {
        // A text put in without typing (a loaded file) can hold what typing could not.
        if (const auto at = ForbiddenCharacterPosition(text.toStdString())) {
            // The field gets the focus; the message names the place in it.
            m_platform.ShowMessage(ForbiddenCharacterMessage(*at, m_state.languageIndex));
            return false;
        }
        *field.text = m_platform.FileCodec().Encode(text.toStdString()).bytes;
        const ValueVerdict verdict = CheckTextBytes(*field.text, field.max, field.asciiOnly);
        if (verdict.fault == ValueFault::NotAscii) {
            m_platform.ShowMessage(AsciiOnlyMessage(m_state.languageIndex));
            return false;
        }
        if (!verdict.ok()) {
            m_platform.ShowFieldMessage(StandardLengthMessage(field.max));
            return false;
        }
        return true;
    }
    case FieldKind::Number:
        break;
    default:
        return true;
    }
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber) {
        m_platform.ShowFieldMessage(NotAnIntegerMessage());
        return false;
    }
    // Stored before the check: the change handlers replace an out-of-range value.
    *field.number = value;
    if (field.message == LimitMessage::ToolRange) {
        return CheckIntRange(m_platform, m_state.languageIndex, value, field.min, field.max);
    }
    if (!CheckNumberValue(value, field.min, field.max).ok()) {
        m_platform.ShowFieldMessage(StandardRangeMessage(field.min, field.max));
        return false;
    }
    return true;
}

void CSetupFormDlg::showRefusal(QLineEdit* edit, const std::string& reason) {
    const QString text = ToQString(reason);
    // Kept on the field for whoever asks (tests, assistive tools); shown as a tooltip under the
    // field, which a further refused keystroke with the same reason leaves standing.
    edit->setProperty(kRefusalProperty, text);
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), text, edit);
}

void CSetupFormDlg::writeForm() {
    for (const BoundField& field : m_fields) {
        if (field.edit == nullptr) {
            continue;
        }
        QString shown;
        switch (field.kind) {
        case FieldKind::Number:
            shown = QString::number(*field.number);
            break;
        case FieldKind::Text:
            shown = ToQString(m_platform.FileCodec().Decode(*field.text));
            break;
        case FieldKind::Folder:
            shown = ToQString(*field.text);
            break;
        default:
            continue;
        }
        // An unchanged text is not set again, so that the cursor stays where the user types.
        if (field.edit->text() != shown) {
            field.edit->setText(shown);
        }
    }
}

void CSetupFormDlg::applyLocks() {
    for (const BoundField& field : m_fields) {
        if (field.toggle != nullptr) {
            setLocked(field, *field.toggle == field.lockedWhen);
        }
    }
}

void CSetupFormDlg::setEditable(FieldKey key, bool editable) {
    if (const BoundField* field = boundField(key)) {
        setLocked(*field, !editable);
    }
}

void CSetupFormDlg::setLocked(const BoundField& field, bool locked) {
    if (field.edit != nullptr && IsEditKind(field.kind)) {
        SetFieldReadOnly(field.edit, locked);
    }
    for (QComboBox* combo : field.combos) {
        combo->setEnabled(!locked);
    }
}

void CSetupFormDlg::bindFolderButton(QPushButton* select) {
    m_select = select;
    connect(select, &QPushButton::clicked, this, [this] {
        // A cancelled picker keeps the folder: the next file must not go to a folder the user
        // never chose.
        if (const std::optional<std::string> picked = m_platform.PickFolder(*m_folder);
            picked && !picked->empty()) {
            *m_folder = *picked;
        }
        writeForm();
        updateLoadOffer();
    });
    setUpCardRow(select->parentWidget());
}

void CSetupFormDlg::bindExitButton(QPushButton* exit) {
    m_exit = exit;
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void CSetupFormDlg::prepareForUse(QScrollArea* rows, std::initializer_list<ButtonKey> keys) {
    GiveShortcut(m_select, QKeySequence(Qt::ALT | Qt::Key_S));
    GiveShortcut(m_exit, QKeySequence(Qt::ALT | Qt::Key_X));
    for (const ButtonKey& key : keys) {
        GiveShortcut(key.button, key.key);
    }
    addProfileButtons();
    offerLastWritten();
    for (const BoundField& field : m_fields) {
        if (field.kind == FieldKind::Folder) {
            field.edit->setAccessibleName(
                ToQString(OwnLabel(OwnText::kFolderName, m_state.languageIndex)));
        }
    }
    m_rows = rows;
    FitToScreen(this, rows);
    if (QWidget* first = FirstEditableControl(this)) {
        first->setFocus();
    }
}

void CSetupFormDlg::showEvent(QShowEvent* event) {
    // Again on the screen it opens on, now that the lists have settled their sizes.
    if (m_rows != nullptr) {
        FitToScreen(this, m_rows);
        m_rows = nullptr;
    }
    QDialog::showEvent(event);
}

bool CSetupFormDlg::writeConfigFile(const std::string& folder, std::string_view fileName,
                                    std::span<const std::uint8_t> bytes,
                                    const std::optional<std::string>& confirmation,
                                    WriteOptions options) {
    if (folder.empty()) {
        m_platform.ShowMessage(m_state.message(cards::text::kChooseDestination));
        return false;
    }
    const writes::WriteOutcome done = writeThroughTransaction(folder, fileName, bytes, options);
    if (!done.ok) {
        if (done.failure == writes::WriteFailure::Backup) {
            m_platform.ShowMessage(
                cards::Filled(m_state.message(cards::text::kBackupFailed),
                              {done.path, PathText(m_platform.BackupsFolder()), done.problem}));
        } else {
            std::string message =
                WriteFailureMessage(done.path, done.result, m_state.languageIndex);
            if (!done.card.empty()) {
                message += '\n';
                message += cards::Filled(OwnMessage(OwnText::kMemoryCard, m_state.languageIndex),
                                         {done.card});
            }
            m_platform.ShowMessage(message);
        }
        return false;
    }
    keepLastWritten(bytes);
    if (confirmation) {
        // Where the file went, so that a wrong folder is seen at once.
        std::string text = *confirmation + "\n" + done.path;
        if (done.replaced && !done.changes.empty()) {
            text += '\n';
            text += done.changes;
        }
        if (done.backup) {
            text += '\n';
            text += cards::Filled(m_state.message(cards::text::kBackupKept),
                                  {PathText(m_platform.BackupsFolder())});
        }
        const std::vector<std::uint8_t> same(bytes.begin(), bytes.end());
        offerEject(folder, text,
                   [this, file = std::string(fileName), same, confirmation,
                    options](const std::string& next) {
                       writeConfigFile(next, file, same, confirmation, options);
                   });
    }
    updateLoadOffer();
    return true;
}

void CSetupFormDlg::listChanged(FieldKey /*key*/, int /*index*/) {}

void CSetupFormDlg::fieldEdited(FieldKey /*key*/) {}

void CSetupFormDlg::fileLoaded() {}

bool CSetupFormDlg::fieldRead(FieldKey /*key*/) {
    return true;
}

}  // namespace tov
