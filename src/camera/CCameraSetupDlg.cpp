#include "camera/CCameraSetupDlg.h"

#include "app/ApplicationStyle.h"
#include "app/CheckIntRange.h"
#include "app/FieldMessages.h"
#include "camera/CameraMessages.h"
#include "camera/CameraTexts.h"
#include "common/FilePath.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace tov {
namespace {

using S = CameraMenuSettings;

// Four digits hold every value the fields accept (and more, so an out-of-range entry can be
// reported), while no typed number can overflow an int.
constexpr int kNumberDigits = 4;

struct CommonList {
    CameraList list;
    std::string_view objectName;
    int S::*field;
};

constexpr std::array kCommonLists = {
    CommonList{CameraList::CameraMode, "cameraModeCombo", &S::cameraMode},
    CommonList{CameraList::ImageSize, "imageSizeCombo", &S::imageSize},
    CommonList{CameraList::VideoSize, "videoSizeCombo", &S::videoSize},
    CommonList{CameraList::PictureCount, "pictureCountCombo", &S::pictureCount},
    CommonList{CameraList::TimeStamp, "timeStampCombo", &S::timeStamp},
    CommonList{CameraList::SenseLevel, "senseLevelCombo", &S::senseLevel},
    CommonList{CameraList::SidePir, "sidePirCombo", &S::sidePir},
    CommonList{CameraList::IntervalUnit, "intervalUnitCombo", &S::intervalUnit},
    CommonList{CameraList::DateFormat, "dateFormatCombo", &S::dateFormat},
    CommonList{CameraList::Timer1, "timer1Combo", &S::timer1},
    CommonList{CameraList::Timer2, "timer2Combo", &S::timer2},
    CommonList{CameraList::SerialOn, "serialOnCombo", &S::serialOn},
    CommonList{CameraList::TimeLapse, "timeLapseCombo", &S::timeLapse},
};

constexpr std::array<std::string_view, 4> kSerialCharLists = {
    "serialChar1Combo", "serialChar2Combo", "serialChar3Combo", "serialChar4Combo"};

// A switch list and the widgets it locks while it shows `lockedValue` (its Off entry):
// time fields become read-only, lists are disabled.
struct LockRule {
    int S::*toggle;
    int lockedValue;
    std::array<std::string_view, 4> objectNames;
};

constexpr std::array kLockRules = {
    LockRule{&S::timeLapse, 1, {"timeLapseHourEdit", "timeLapseMinuteEdit", "timeLapseSecondEdit"}},
    LockRule{&S::timer1,
             0,
             {"timer1StartHourEdit", "timer1StartMinuteEdit", "timer1StopHourEdit",
              "timer1StopMinuteEdit"}},
    LockRule{&S::timer2,
             0,
             {"timer2StartHourEdit", "timer2StartMinuteEdit", "timer2StopHourEdit",
              "timer2StopMinuteEdit"}},
    LockRule{&S::serialOn, 0, kSerialCharLists},
};

// Which widgets show which text of the language table.
struct LabelSlot {
    std::string_view CameraLabelTexts::*text;
    std::array<std::string_view, 5> objectNames;
};

constexpr std::array kLabelSlots = {
    LabelSlot{&CameraLabelTexts::mode, {"modeLabel"}},
    LabelSlot{&CameraLabelTexts::imageSize, {"imageSizeLabel"}},
    LabelSlot{&CameraLabelTexts::videoSize, {"videoSizeLabel"}},
    LabelSlot{&CameraLabelTexts::pictureNo, {"pictureCountLabel"}},
    LabelSlot{&CameraLabelTexts::timeStamp, {"timeStampLabel"}},
    LabelSlot{&CameraLabelTexts::senseLevel, {"senseLevelLabel"}},
    LabelSlot{&CameraLabelTexts::sidePir, {"sidePirLabel"}},
    LabelSlot{&CameraLabelTexts::videoLength, {"videoLengthLabel"}},
    LabelSlot{&CameraLabelTexts::interval, {"intervalLabel"}},
    LabelSlot{&CameraLabelTexts::setClock, {"setClockLabel"}},
    LabelSlot{&CameraLabelTexts::timer, {"timer1Label"}},
    LabelSlot{&CameraLabelTexts::timer2, {"timer2Label"}},
    LabelSlot{&CameraLabelTexts::serialNo, {"serialNoLabel"}},
    LabelSlot{&CameraLabelTexts::timeLapse, {"timeLapseLabel"}},
    LabelSlot{&CameraLabelTexts::start, {"timer1StartLabel"}},
    LabelSlot{&CameraLabelTexts::stop, {"timer1StopLabel"}},
    LabelSlot{&CameraLabelTexts::generate, {"generateButton"}},
    LabelSlot{&CameraLabelTexts::defaults, {"defaultButton"}},
    LabelSlot{&CameraLabelTexts::exit, {"exitButton"}},
    LabelSlot{&CameraLabelTexts::dateFormat, {"dateFormatLabel"}},
    LabelSlot{&CameraLabelTexts::getTime, {"getTimeButton"}},
    LabelSlot{&CameraLabelTexts::start2, {"timer2StartLabel"}},
    LabelSlot{&CameraLabelTexts::stop2, {"timer2StopLabel"}},
    LabelSlot{&CameraLabelTexts::hour,
              {"timer1StartHourLabel", "timer1StopHourLabel", "timer2StartHourLabel",
               "timer2StopHourLabel", "timeLapseHourLabel"}},
    LabelSlot{&CameraLabelTexts::minute,
              {"timer1StartMinuteLabel", "timer1StopMinuteLabel", "timer2StartMinuteLabel",
               "timer2StopMinuteLabel", "timeLapseMinuteLabel"}},
    LabelSlot{&CameraLabelTexts::second, {"timeLapseSecondLabel"}},
};

// The labels in front of the full-width rows; they share one width so that the inputs after
// them line up whatever the language.
constexpr std::array<std::string_view, 5> kRowLabels = {
    "setClockLabel", "timer1Label", "timer2Label", "serialNoLabel", "timeLapseLabel"};

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string EditName(std::string_view key) {
    return std::string(key) + "Edit";
}

// Typing stops at the folder limit; a longer path from the folder picker is still shown in
// full (setText does not validate), so that reading the form reports it instead of cutting it.
class FolderLengthValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        return input.size() > kFolderMaxChars ? Invalid : Acceptable;
    }
};

}  // namespace

CCameraSetupDlg::CCameraSetupDlg(const AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), m_state(state), m_platform(platform) {}

CCameraSetupDlg::~CCameraSetupDlg() = default;

template <class Widget>
Widget* CCameraSetupDlg::child(std::string_view objectName) const {
    const QString name = ToQString(objectName);
    auto* widget = findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("The camera form template has no widget %s", qPrintable(name));
    }
    return widget;
}

QLineEdit* CCameraSetupDlg::editFor(std::string_view key) const {
    return child<QLineEdit>(EditName(key));
}

void CCameraSetupDlg::Open(CameraMenuSettings& settings, CameraFormFamily family) {
    m_settings = &settings;
    m_family = std::move(family);
    m_info = &CameraModelInfoFor(m_family.modelIndex);
    m_readOrder = CameraReadOrder(m_info->family);

    takeClock();
    bindFields();
    bindLists();
    bindLocks();
    bindButtons();

    writeForm();
    setWindowTitle(ToQString(CameraFormTitle(*m_info)));
    applyLocks();
    applyTexts();
    fillLists();
}

void CCameraSetupDlg::bindFields() {
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    for (const CameraFieldCheck& check : m_readOrder) {
        QLineEdit* edit = editFor(check.key);
        m_readEdits.push_back(edit);
        if (check.kind == CheckKind::FolderLength) {
            edit->setValidator(new FolderLengthValidator(edit));
            // The typed folder is the destination at once, so Generate never writes to a
            // folder other than the one on screen.
            connect(edit, &QLineEdit::textEdited, this,
                    [this](const QString& text) { m_settings->folder = text.toStdString(); });
            continue;
        }
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
        edit->setMaxLength(kNumberDigits);
        edit->setAlignment(Qt::AlignCenter);
        // textEdited, not textChanged: writing the form must not run the handlers again.
        connect(edit, &QLineEdit::textEdited, this,
                [this, key = check.key] { onFieldEdited(key); });
    }
    m_clockEdit = child<QLineEdit>("clockTextEdit");
    SetFieldReadOnly(m_clockEdit, true);
}

void CCameraSetupDlg::bindLists() {
    for (const CommonList& common : kCommonLists) {
        m_lists.push_back(
            {child<QComboBox>(common.objectName), common.list, &(m_settings->*common.field)});
    }
    for (std::size_t i = 0; i < kSerialCharLists.size(); ++i) {
        m_lists.push_back({child<QComboBox>(kSerialCharLists[i]), CameraList::SerialChar,
                           &m_settings->serialChars[i]});
    }
    for (const CameraFormFamily::ExtraList& extra : m_family.extraLists) {
        m_lists.push_back({child<QComboBox>(extra.objectName), extra.list, extra.field});
    }
    for (const ListBinding& binding : m_lists) {
        connect(binding.combo, &QComboBox::currentIndexChanged, this,
                [this, binding](int index) { onListChanged(binding, index); });
    }
}

void CCameraSetupDlg::bindLocks() {
    for (const LockRule& rule : kLockRules) {
        SwitchLock lock{&(m_settings->*rule.toggle), rule.lockedValue, {}};
        for (std::string_view name : rule.objectNames) {
            if (!name.empty()) {
                lock.widgets.push_back(child<QWidget>(name));
            }
        }
        m_locks.push_back(std::move(lock));
    }
}

void CCameraSetupDlg::bindButtons() {
    auto* generate = child<QPushButton>("generateButton");
    generate->setDefault(true);
    connect(generate, &QPushButton::clicked, this, &CCameraSetupDlg::onGenerate);
    connect(child<QPushButton>("defaultButton"), &QPushButton::clicked, this,
            &CCameraSetupDlg::onDefault);
    connect(child<QPushButton>("exitButton"), &QPushButton::clicked, this, &QDialog::reject);
    connect(child<QPushButton>("getTimeButton"), &QPushButton::clicked, this,
            &CCameraSetupDlg::onGetTime);
    connect(child<QPushButton>("selectButton"), &QPushButton::clicked, this,
            &CCameraSetupDlg::onSelectFolder);
}

void CCameraSetupDlg::applyTexts() {
    const CameraTextTable& table = CameraTextsFor(m_info->family, m_state.languageIndex);
    for (const LabelSlot& slot : kLabelSlots) {
        const std::string_view text = table.labels.*slot.text;
        if (text.empty()) {
            continue;  // the template's English text stays
        }
        for (std::string_view name : slot.objectNames) {
            if (name.empty()) {
                continue;
            }
            auto* widget = child<QWidget>(name);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setText(ToQString(text));
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                button->setText(ToQString(text));
            }
        }
    }
    child<QPushButton>("selectButton")->setText(ToQString(table.choices.select));

    int rowLabelWidth = 0;
    for (std::string_view name : kRowLabels) {
        rowLabelWidth = std::max(rowLabelWidth, child<QLabel>(name)->sizeHint().width());
    }
    for (std::string_view name : kRowLabels) {
        child<QLabel>(name)->setMinimumWidth(rowLabelWidth);
    }
}

void CCameraSetupDlg::fillLists() {
    for (const ListBinding& binding : m_lists) {
        const QSignalBlocker quiet(binding.combo);
        binding.combo->clear();
        for (std::string_view entry :
             CameraChoices(binding.list, m_family.modelIndex, m_state.languageIndex)) {
            binding.combo->addItem(ToQString(entry));
        }
    }
    // The settings hold the opening selections.
    showSelections();
}

void CCameraSetupDlg::showSelections() {
    for (const ListBinding& binding : m_lists) {
        const QSignalBlocker quiet(binding.combo);
        binding.combo->setCurrentIndex(*binding.field);
        *binding.field = binding.combo->currentIndex();  // -1 for an empty list
    }
}

void CCameraSetupDlg::applyLocks() {
    for (const SwitchLock& lock : m_locks) {
        const bool locked = *lock.toggle == lock.lockedValue;
        for (QWidget* widget : lock.widgets) {
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                SetFieldReadOnly(edit, locked);
            } else {
                widget->setEnabled(!locked);
            }
        }
    }
}

bool CCameraSetupDlg::readForm() {
    for (std::size_t i = 0; i < m_readOrder.size(); ++i) {
        if (!readField(m_readOrder[i], m_readEdits[i])) {
            m_readEdits[i]->setFocus();
            return false;
        }
    }
    return true;
}

bool CCameraSetupDlg::readField(const CameraFieldCheck& check, QLineEdit* edit) {
    const QString text = edit->text();
    if (check.kind == CheckKind::FolderLength) {
        m_settings->folder = text.toStdString();
        if (text.size() > kFolderMaxChars) {
            m_platform.ShowFieldMessage(FieldLengthMessage(kFolderMaxChars));
            return false;
        }
        return true;
    }
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber) {
        m_platform.ShowFieldMessage(NotAnIntegerMessage());
        return false;
    }
    // Stored before the check: the change handlers replace an out-of-range value.
    m_settings->*check.member = value;
    if (check.kind == CheckKind::ToolRange) {
        return CheckIntRange(m_platform, m_state.languageIndex, value, check.min, check.max);
    }
    if (value < check.min || value > check.max) {
        m_platform.ShowFieldMessage(FieldRangeMessage(check.min, check.max));
        return false;
    }
    return true;
}

void CCameraSetupDlg::writeForm() {
    for (std::size_t i = 0; i < m_readOrder.size(); ++i) {
        const CameraFieldCheck& check = m_readOrder[i];
        m_readEdits[i]->setText(check.member != nullptr
                                    ? QString::number(m_settings->*check.member)
                                    : QString::fromStdString(m_settings->folder));
    }
    m_clockEdit->setText(QString::fromStdString(m_settings->clockText));
}

void CCameraSetupDlg::takeClock() {
    m_clock = ReadClockSnapshot(m_platform.LocalTime());
    if (const std::optional<std::string> text = FormatClockText(m_clock, m_settings->dateFormat)) {
        m_settings->clockText = *text;
    }
}

void CCameraSetupDlg::onListChanged(const ListBinding& binding, int index) {
    *binding.field = index;
    switch (binding.list) {
    case CameraList::CameraMode:
    case CameraList::ImageSize:
        readForm();
        break;
    case CameraList::IntervalUnit:
        readForm();
        if (CorrectAfterUnitChange(*m_settings)) {
            writeForm();
        }
        break;
    case CameraList::TimeLapse:
    case CameraList::Timer1:
    case CameraList::Timer2:
    case CameraList::SerialOn:
        readForm();
        applyLocks();
        writeForm();
        break;
    case CameraList::DateFormat:
        onGetTime();
        break;
    default:
        break;  // the selection is simply held
    }
}

void CCameraSetupDlg::onFieldEdited(std::string_view key) {
    readForm();
    if (CorrectAfterEdit(*m_settings, key)) {
        writeForm();
    }
}

void CCameraSetupDlg::onGetTime() {
    // Not read first: numbers typed but not yet taken are replaced by the held ones.
    takeClock();
    writeForm();
}

void CCameraSetupDlg::onSelectFolder() {
    const std::optional<std::string> picked = m_platform.PickFolder();
    m_settings->folder = picked && !picked->empty() ? *picked : DefaultFolder();
    writeForm();
}

void CCameraSetupDlg::onGenerate() {
    // Generate works on the held values: the form is not read.
    const MenuRecord record = m_family.buildRecord(m_clock, m_state.languageByte(), m_state.TvMode);
    writeMenu(m_settings->folder, record, false);
}

void CCameraSetupDlg::onDefault() {
    const std::string folder = m_settings->folder;
    readForm();
    ApplyDefaultReset(*m_settings, *m_info);
    showSelections();
    applyLocks();
    writeForm();
    writeMenu(folder, FactoryMenuRecord(), true);
}

void CCameraSetupDlg::writeMenu(const std::string& folder, const MenuRecord& record, bool factory) {
    const WriteResult result = WriteMenuFile(folder, record);
    if (!result.ok) {
        m_platform.ShowMessage(WriteFailureMessage(PathText(MenuFilePath(folder)), result.error,
                                                   m_state.languageIndex));
        return;
    }
    if (const std::optional<std::string> text =
            MenuConfirmation(*m_info, factory, m_state.languageIndex)) {
        m_platform.ShowMessage(*text);
    }
}

}  // namespace tov
