#include "camera/ui/CCameraSetupDlg.h"

#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "camera/core/CameraMessages.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/CameraTexts.h"
#include "camera/core/MenuFile.h"
#include "forms/FieldLook.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "ui_CCameraSetupDlg.h"

#include <algorithm>
#include <array>

namespace tov {
namespace {

using U = Ui::CCameraSetupDlg;

// The template's widget for every field of the camera table.
constexpr std::array<WidgetBinding<U>, 30> kWidgets = {{
    {.key = "cameraMode", .combo = &U::cameraModeCombo},
    {.key = "imageSize", .combo = &U::imageSizeCombo},
    {.key = "videoSize", .combo = &U::videoSizeCombo},
    {.key = "pictureCount", .combo = &U::pictureCountCombo},
    {.key = "timeStamp", .combo = &U::timeStampCombo},
    {.key = "senseLevel", .combo = &U::senseLevelCombo},
    {.key = "sidePir", .combo = &U::sidePirCombo},
    {.key = "videoLength", .edit = &U::videoLengthEdit},
    {.key = "intervalValue", .edit = &U::intervalValueEdit},
    {.key = "intervalUnit", .combo = &U::intervalUnitCombo},
    {.key = "dateFormat", .combo = &U::dateFormatCombo},
    {.key = "beepSound", .combo = &U::beepSoundCombo},
    {.key = "sdCycle", .combo = &U::sdCycleCombo},
    {.key = "timer1", .combo = &U::timer1Combo},
    {.key = "timer1StartHour", .edit = &U::timer1StartHourEdit},
    {.key = "timer1StartMinute", .edit = &U::timer1StartMinuteEdit},
    {.key = "timer1StopHour", .edit = &U::timer1StopHourEdit},
    {.key = "timer1StopMinute", .edit = &U::timer1StopMinuteEdit},
    {.key = "timer2", .combo = &U::timer2Combo},
    {.key = "timer2StartHour", .edit = &U::timer2StartHourEdit},
    {.key = "timer2StartMinute", .edit = &U::timer2StartMinuteEdit},
    {.key = "timer2StopHour", .edit = &U::timer2StopHourEdit},
    {.key = "timer2StopMinute", .edit = &U::timer2StopMinuteEdit},
    {.key = "serialOn", .combo = &U::serialOnCombo},
    {.key = "serialChars",
     .charCombos = {&U::serialChar1Combo, &U::serialChar2Combo, &U::serialChar3Combo,
                    &U::serialChar4Combo}},
    {.key = "timeLapse", .combo = &U::timeLapseCombo},
    {.key = "timeLapseHour", .edit = &U::timeLapseHourEdit},
    {.key = "timeLapseMinute", .edit = &U::timeLapseMinuteEdit},
    {.key = "timeLapseSecond", .edit = &U::timeLapseSecondEdit},
    {.key = "folder", .edit = &U::folderEdit},
}};
static_assert(BindsEveryField(CameraFieldTable(), kWidgets),
              "every camera field needs exactly one widget of its kind");

// Which labels show which text of the language table.
struct LabelSlot {
    std::string_view CameraLabelTexts::*text;
    std::array<QLabel * U::*, 5> labels;
};

constexpr std::array<LabelSlot, 22> kLabelSlots = {{
    {&CameraLabelTexts::mode, {&U::modeLabel}},
    {&CameraLabelTexts::imageSize, {&U::imageSizeLabel}},
    {&CameraLabelTexts::videoSize, {&U::videoSizeLabel}},
    {&CameraLabelTexts::pictureNo, {&U::pictureCountLabel}},
    {&CameraLabelTexts::timeStamp, {&U::timeStampLabel}},
    {&CameraLabelTexts::senseLevel, {&U::senseLevelLabel}},
    {&CameraLabelTexts::sidePir, {&U::sidePirLabel}},
    {&CameraLabelTexts::videoLength, {&U::videoLengthLabel}},
    {&CameraLabelTexts::interval, {&U::intervalLabel}},
    {&CameraLabelTexts::setClock, {&U::setClockLabel}},
    {&CameraLabelTexts::timer, {&U::timer1Label}},
    {&CameraLabelTexts::timer2, {&U::timer2Label}},
    {&CameraLabelTexts::serialNo, {&U::serialNoLabel}},
    {&CameraLabelTexts::timeLapse, {&U::timeLapseLabel}},
    {&CameraLabelTexts::start, {&U::timer1StartLabel}},
    {&CameraLabelTexts::stop, {&U::timer1StopLabel}},
    {&CameraLabelTexts::dateFormat, {&U::dateFormatLabel}},
    {&CameraLabelTexts::start2, {&U::timer2StartLabel}},
    {&CameraLabelTexts::stop2, {&U::timer2StopLabel}},
    {&CameraLabelTexts::hour,
     {&U::timer1StartHourLabel, &U::timer1StopHourLabel, &U::timer2StartHourLabel,
      &U::timer2StopHourLabel, &U::timeLapseHourLabel}},
    {&CameraLabelTexts::minute,
     {&U::timer1StartMinuteLabel, &U::timer1StopMinuteLabel, &U::timer2StartMinuteLabel,
      &U::timer2StopMinuteLabel, &U::timeLapseMinuteLabel}},
    {&CameraLabelTexts::second, {&U::timeLapseSecondLabel}},
}};

struct ButtonSlot {
    std::string_view CameraLabelTexts::*text;
    QPushButton* U::*button;
};

constexpr std::array<ButtonSlot, 4> kButtonSlots = {{
    {&CameraLabelTexts::generate, &U::generateButton},
    {&CameraLabelTexts::defaults, &U::defaultButton},
    {&CameraLabelTexts::exit, &U::exitButton},
    {&CameraLabelTexts::getTime, &U::getTimeButton},
}};

// The labels in front of the full-width rows; they share one width so that the inputs after
// them line up whatever the language.
constexpr std::array<QLabel * U::*, 5> kRowLabels = {
    &U::setClockLabel, &U::timer1Label, &U::timer2Label, &U::serialNoLabel, &U::timeLapseLabel};

}  // namespace

CCameraSetupDlg::CCameraSetupDlg(const AppState& state, Platform& platform, int modelIndex,
                                 QWidget* parent)
    : CSetupFormDlg(state, platform, parent), m_ui(std::make_unique<U>()),
      m_model(ModelFor(modelIndex)), m_settings(OpeningCameraSettings(modelIndex)) {
    m_ui->setupUi(this);
    takeClock();
    bindFields(CameraFieldTable(), m_model.family, m_settings, *m_ui, kWidgets);
    setStoredFile({kMenuFileName,
                   [this](std::span<const std::uint8_t> bytes) {
                       return DecodeMenuFile(bytes, m_model.index);
                   },
                   [this](std::span<const std::uint8_t> bytes, const FileReport& report) {
                       loadMenuFile(bytes, report);
                   }});
    setProfileFile({"menu",
                    [this]() -> std::optional<std::vector<std::uint8_t>> {
                        ClockSnapshot clock = m_clock;
                        const MenuRecord record =
                            BuildMenuRecord(m_settings, m_model.family, clock,
                                            appState().languageByte(), appState().TvMode);
                        return std::vector<std::uint8_t>(record.begin(), record.end());
                    },
                    [this](const SettingTexts& texts,
                           std::string& refusal) -> std::optional<std::vector<std::uint8_t>> {
                        const CameraSettingsResult applied =
                            ApplyCameraSettings(m_model.index, texts, appState().languageIndex);
                        if (applied.error) {
                            refusal = *applied.error;
                            return std::nullopt;
                        }
                        ClockSnapshot clock = m_clock;
                        const MenuRecord record =
                            BuildMenuRecord(applied.settings, m_model.family, clock,
                                            appState().languageByte(), appState().TvMode);
                        return std::vector<std::uint8_t>(record.begin(), record.end());
                    }});
    SetFieldReadOnly(m_ui->clockTextEdit, true);

    m_ui->generateButton->setDefault(true);
    connect(m_ui->generateButton, &QPushButton::clicked, this, &CCameraSetupDlg::onGenerate);
    connect(m_ui->defaultButton, &QPushButton::clicked, this, &CCameraSetupDlg::onDefault);
    connect(m_ui->getTimeButton, &QPushButton::clicked, this, [this] {
        // Not read first: numbers typed but not yet taken are replaced by the held ones.
        takeClock();
        writeForm();
    });
    bindFolderButton(m_ui->selectButton);
    bindExitButton(m_ui->exitButton);

    writeForm();
    setWindowTitle(ToQString(FormTitle(m_model)));
    applyLocks();
    applyTexts();
    fillLists(
        [this](int list) { return CameraChoices(list, m_model.index, appState().languageIndex); });
    nameControls();
    prepareForUse(m_ui->rowsScroll, {{m_ui->generateButton, QKeySequence(Qt::ALT | Qt::Key_G)},
                                     {m_ui->defaultButton, QKeySequence(Qt::ALT | Qt::Key_D)},
                                     {m_ui->getTimeButton, QKeySequence(Qt::ALT | Qt::Key_T)}});
}

CCameraSetupDlg::~CCameraSetupDlg() = default;

void CCameraSetupDlg::applyTexts() {
    const CameraTextTable table = CameraTextsFor(m_model.family, appState().languageIndex);
    for (const LabelSlot& slot : kLabelSlots) {
        for (QLabel* U::*label : slot.labels) {
            if (label != nullptr) {
                ((*m_ui).*label)->setText(ToQString(table.labels.*slot.text));
            }
        }
    }
    for (const ButtonSlot& slot : kButtonSlots) {
        ((*m_ui).*slot.button)->setText(ToQString(table.labels.*slot.text));
    }
    m_ui->selectButton->setText(ToQString(table.choices.select));

    int rowLabelWidth = 0;
    for (QLabel* U::*label : kRowLabels) {
        rowLabelWidth = std::max(rowLabelWidth, ((*m_ui).*label)->sizeHint().width());
    }
    for (QLabel* U::*label : kRowLabels) {
        ((*m_ui).*label)->setMinimumWidth(rowLabelWidth);
    }
}

void CCameraSetupDlg::nameControls() {
    // The fields a label names alone have it as their buddy (the template); these take their
    // row's label and their caption, in the form's language.
    U& u = *m_ui;
    NameByLabels(u.videoLengthEdit, {u.videoLengthLabel, u.videoLengthUnitLabel});
    const CameraChoiceTexts choices =
        CameraTextsFor(m_model.family, appState().languageIndex).choices;
    NameByLabels(u.intervalUnitCombo, {u.intervalLabel},
                 ToQString(choices.seconds) + QLatin1Char('/') + ToQString(choices.minutes));
    NameByLabels(u.timer1StartHourEdit,
                 {u.timer1Label, u.timer1StartLabel, u.timer1StartHourLabel});
    NameByLabels(u.timer1StartMinuteEdit,
                 {u.timer1Label, u.timer1StartLabel, u.timer1StartMinuteLabel});
    NameByLabels(u.timer1StopHourEdit, {u.timer1Label, u.timer1StopLabel, u.timer1StopHourLabel});
    NameByLabels(u.timer1StopMinuteEdit,
                 {u.timer1Label, u.timer1StopLabel, u.timer1StopMinuteLabel});
    NameByLabels(u.timer2StartHourEdit,
                 {u.timer2Label, u.timer2StartLabel, u.timer2StartHourLabel});
    NameByLabels(u.timer2StartMinuteEdit,
                 {u.timer2Label, u.timer2StartLabel, u.timer2StartMinuteLabel});
    NameByLabels(u.timer2StopHourEdit, {u.timer2Label, u.timer2StopLabel, u.timer2StopHourLabel});
    NameByLabels(u.timer2StopMinuteEdit,
                 {u.timer2Label, u.timer2StopLabel, u.timer2StopMinuteLabel});
    NameByLabels(u.timeLapseHourEdit, {u.timeLapseLabel, u.timeLapseHourLabel});
    NameByLabels(u.timeLapseMinuteEdit, {u.timeLapseLabel, u.timeLapseMinuteLabel});
    NameByLabels(u.timeLapseSecondEdit, {u.timeLapseLabel, u.timeLapseSecondLabel});
    int place = 1;
    for (QComboBox* serialChar :
         {u.serialChar1Combo, u.serialChar2Combo, u.serialChar3Combo, u.serialChar4Combo}) {
        NameByLabels(serialChar, {u.serialNoLabel}, QString::number(place++));
    }
}

void CCameraSetupDlg::takeClock() {
    m_clock = ReadClockSnapshot(platform().LocalTime());
    if (const std::optional<std::string> text = FormatClockText(m_clock, m_settings.dateFormat)) {
        m_settings.clockText = *text;
        m_ui->clockTextEdit->setText(ToQString(*text));
    }
}

void CCameraSetupDlg::listChanged(FieldKey key, int /*index*/) {
    if (key == CameraKey("cameraMode") || key == CameraKey("imageSize")) {
        readForm();
    } else if (key == CameraKey("intervalUnit")) {
        readForm();
        if (CorrectAfterUnitChange(m_settings)) {
            writeForm();
        }
    } else if (key == CameraKey("timeLapse") || key == CameraKey("timer1") ||
               key == CameraKey("timer2") || key == CameraKey("serialOn")) {
        readForm();
        applyLocks();
        writeForm();
    } else if (key == CameraKey("dateFormat")) {
        takeClock();
        writeForm();
    }
    // Every other list simply holds its selection.
}

void CCameraSetupDlg::fieldEdited(FieldKey key) {
    readForm();
    if (CorrectAfterEdit(m_settings, key)) {
        writeForm();
    }
}

void CCameraSetupDlg::onGenerate() {
    // The clock fields only show the clock (nobody can type a time into them), so the camera
    // is set to the time of Generate, not of the form's opening: a user who took five minutes
    // would otherwise set it five minutes behind. The fields show what is written.
    takeClock();
    // Generate works on the held values: the form is not read.
    const MenuRecord record = BuildMenuRecord(m_settings, m_model.family, m_clock,
                                              appState().languageByte(), appState().TvMode);
    writeConfigFile(folder(), kMenuFileName, record,
                    MenuConfirmation(m_model, false, appState().languageIndex));
}

void CCameraSetupDlg::loadMenuFile(std::span<const std::uint8_t> bytes, const FileReport& report) {
    if (report.factory) {
        ApplyCameraDefault(m_settings, m_model.index);
        return;
    }
    MenuRecord record{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    m_settings = ReadMenuSettings(record, m_model.family);
}

void CCameraSetupDlg::onDefault() {
    // The factory file goes to the folder held before the form is read.
    const std::string target = folder();
    readForm();
    ApplyCameraDefault(m_settings, m_model.index);
    showSelections();
    applyLocks();
    writeForm();
    writeConfigFile(target, kMenuFileName, FactoryMenuRecord(),
                    MenuConfirmation(m_model, true, appState().languageIndex));
}

}  // namespace tov
