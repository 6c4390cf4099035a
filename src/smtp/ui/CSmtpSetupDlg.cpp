#include "smtp/ui/CSmtpSetupDlg.h"

#include "common/FieldHelp.h"
#include "common/RecordFile.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "forms/WindowFit.h"
#include "smtp/core/SmtpChecks.h"
#include "smtp/core/SmtpChoices.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpMessages.h"
#include "smtp/core/SmtpTexts.h"
#include "ui_CSmtpSetupDlg.h"

#include <QAbstractItemView>
#include <QEvent>

#include <algorithm>
#include <array>

namespace tov {
namespace {

using U = Ui::CSmtpSetupDlg;

// The template's widget for every field of the e-mail table.
constexpr std::array<WidgetBinding<U>, 16> kWidgets = {{
    {.key = "mode", .combo = &U::modeCombo},
    {.key = "country", .combo = &U::countryCombo},
    {.key = "operator", .combo = &U::operatorCombo},
    {.key = "maxImages", .edit = &U::maxImagesEdit},
    {.key = "smtpStatus", .combo = &U::smtpStatusCombo},
    {.key = "smsRemoteHours", .combo = &U::smsRemoteHoursCombo},
    {.key = "recipientEmail", .edit = &U::recipientEmailEdit},
    {.key = "senderEmail", .edit = &U::senderEmailEdit},
    {.key = "senderPassword", .edit = &U::senderPasswordEdit},
    {.key = "smtpServer", .edit = &U::smtpServerEdit},
    {.key = "port", .edit = &U::portEdit},
    {.key = "account", .edit = &U::accountEdit},
    {.key = "apn", .edit = &U::apnEdit},
    {.key = "gprsPassword", .edit = &U::gprsPasswordEdit},
    {.key = "folder", .edit = &U::folderEdit},
    {.key = "phoneNumber", .edit = &U::phoneNumberEdit},
}};
static_assert(BindsEveryField(SmtpFieldTable(), kWidgets),
              "every e-mail field needs exactly one widget of its kind");

struct LabelSlot {
    std::string_view SmtpTexts::*text;
    QLabel* U::*label;
};

constexpr std::array<LabelSlot, 14> kLabelSlots = {{
    {&SmtpTexts::modeLabel, &U::modeLabel},
    {&SmtpTexts::maxImagesLabel, &U::maxImagesLabel},
    {&SmtpTexts::maxImagesNote, &U::maxImagesNoteLabel},
    {&SmtpTexts::countryLabel, &U::countryLabel},
    {&SmtpTexts::operatorLabel, &U::operatorLabel},
    {&SmtpTexts::accountLabel, &U::accountLabel},
    {&SmtpTexts::gprsPasswordLabel, &U::gprsPasswordLabel},
    {&SmtpTexts::smtpServerLabel, &U::smtpServerLabel},
    {&SmtpTexts::portLabel, &U::portLabel},
    {&SmtpTexts::senderEmailLabel, &U::senderEmailLabel},
    {&SmtpTexts::senderPasswordLabel, &U::senderPasswordLabel},
    {&SmtpTexts::phoneNumberLabel, &U::phoneNumberLabel},
    {&SmtpTexts::recipientEmailLabel, &U::recipientEmailLabel},
    {&SmtpTexts::smsRemoteLabel, &U::smsRemoteLabel},
}};

struct ButtonSlot {
    std::string_view SmtpTexts::*text;
    QPushButton* U::*button;
};

constexpr std::array<ButtonSlot, 3> kButtonSlots = {{
    {&SmtpTexts::selectButton, &U::selectButton},
    {&SmtpTexts::generateButton, &U::generateButton},
    {&SmtpTexts::exitButton, &U::exitButton},
}};

// The labels in front of the group boxes' fields share one width, so that the fields of all
// four groups line up whatever the language.
constexpr std::array<QLabel * U::*, 9> kGroupLabels = {
    &U::apnLabel,        &U::accountLabel,     &U::gprsPasswordLabel,   &U::smtpServerLabel,
    &U::portLabel,       &U::senderEmailLabel, &U::senderPasswordLabel, &U::recipientEmailLabel,
    &U::phoneNumberLabel};

// The first family's form takes over its fields when the SMS Remote Control list closes
// without a new choice; the second family's form has no handler there.
constexpr PerFamily<bool> kReadsWhenSmsRemoteCloses{true, false};

}  // namespace

CSmtpSetupDlg::CSmtpSetupDlg(const AppState& state, Platform& platform, int modelIndex,
                             QWidget* parent)
    : CSetupFormDlg(state, platform, parent), m_ui(std::make_unique<U>()),
      m_model(ModelFor(modelIndex)), m_settings(OpeningSmtpSettings(m_model.family)) {
    m_ui->setupUi(this);
    bindFields(SmtpFieldTable(), m_model.family, m_settings, *m_ui, kWidgets);
    setStoredFile(
        {kSmtpFileName,
         [this](std::span<const std::uint8_t> bytes) {
             return DecodeSmtpFile(bytes, m_model.index, true);
         },
         [this](std::span<const std::uint8_t> bytes, const FileReport&) {
             m_settings = ReadSmtpSettings(ReadRecordFile(bytes).plain, m_model.family);
             fillList(SmtpKey("country"), choices(kSmtpCountryList), m_settings.countryIndex);
             fillList(SmtpKey("operator"), choices(kSmtpOperatorList), m_settings.operatorIndex);
         }});

    setProfileFile(
        {"smtp",
         [this]() -> std::optional<std::vector<std::uint8_t>> {
             const SmtpSettings written = WithGprsPreset(m_settings);
             if (const auto failure =
                     ValidateSmtpSettings(written, m_model.family, appState().languageIndex)) {
                 this->platform().ShowMessage(failure->message);
                 return std::nullopt;
             }
             return BuildSmtpFile(written, m_model.family, appState().languageByte());
         },
         [this](const SettingTexts& texts,
                std::string& refusal) -> std::optional<std::vector<std::uint8_t>> {
             const SmtpSettingsResult applied =
                 ApplySmtpSettings(m_model.index, texts, appState().languageIndex);
             if (applied.error) {
                 refusal = *applied.error;
                 return std::nullopt;
             }
             return BuildSmtpFile(applied.settings, m_model.family, appState().languageByte());
         }});

    // Enter does nothing here: no button is the default, and none becomes it with the focus
    // (the template turns autoDefault off), so Enter neither generates nor closes the form.
    connect(m_ui->generateButton, &QPushButton::clicked, this, &CSmtpSetupDlg::onGenerate);
    bindFolderButton(m_ui->selectButton);
    bindExitButton(m_ui->exitButton);
    if (kReadsWhenSmsRemoteCloses[m_model.family]) {
        m_ui->smsRemoteHoursCombo->view()->installEventFilter(this);
    }

    writeForm();
    setWindowTitle(ToQString(FormTitle(m_model)));
    applyLocks();
    fillLists([this](int list) { return choices(list); });
    applyTexts();
    nameControls();
    // The operator list changes with the country: wide enough for every country's operators.
    QStringList operators;
    SmtpSettings each = OpeningSmtpSettings(m_model.family);
    const std::size_t countries = choices(kSmtpCountryList).size();
    for (std::size_t country = 0; country < countries; ++country) {
        each.countryIndex = static_cast<int>(country);
        for (const std::string_view entry :
             SmtpChoices(kSmtpOperatorList, m_model.family, appState().languageIndex, each)) {
            operators << ToQString(entry);
        }
    }
    FitEntries(m_ui->operatorCombo, operators);
    prepareForUse(m_ui->rowsScroll, {{m_ui->generateButton, QKeySequence(Qt::ALT | Qt::Key_G)}});
}

void CSmtpSetupDlg::nameControls() {
    // Labels that name one field alone are its buddy (the template). The two password fields
    // share their label's text, so their group's title tells them apart; the hours list takes
    // its "H" too.
    U& u = *m_ui;
    NameByLabels(u.smsRemoteHoursCombo, {u.smsRemoteLabel, u.smsRemoteUnitLabel});
    u.gprsPasswordEdit->setAccessibleName(u.gprsGroup->title() + QLatin1Char(' ') +
                                          u.gprsPasswordLabel->text().trimmed());
    u.senderPasswordEdit->setAccessibleName(u.senderGroup->title() + QLatin1Char(' ') +
                                            u.senderPasswordLabel->text().trimmed());

    const AppState& state = appState();
    for (QWidget* hours :
         std::initializer_list<QWidget*>{u.smsRemoteHoursCombo, u.smsRemoteUnitLabel}) {
        hours->setToolTip(ToQString(state.message(kHoursHelp)));
    }
    u.maxImagesEdit->setToolTip(ToQString(state.message(kPictureLimitHelp)));
    for (QWidget* access : std::initializer_list<QWidget*>{u.apnEdit, u.accountEdit,
                                                           u.gprsPasswordEdit, u.modeCombo}) {
        access->setToolTip(ToQString(state.message(kAutoAccessHelp)));
    }
}

CSmtpSetupDlg::~CSmtpSetupDlg() = default;

std::vector<std::string_view> CSmtpSetupDlg::choices(int list) const {
    return SmtpChoices(list, m_model.family, appState().languageIndex, m_settings);
}

void CSmtpSetupDlg::applyTexts() {
    const SmtpTexts& texts = SmtpTextsFor(appState().languageIndex);
    for (const LabelSlot& slot : kLabelSlots) {
        ((*m_ui).*slot.label)->setText(ToQString(texts.*slot.text));
    }
    for (const ButtonSlot& slot : kButtonSlots) {
        ((*m_ui).*slot.button)->setText(ToQString(texts.*slot.text));
    }
    int labelWidth = 0;
    for (QLabel* U::*label : kGroupLabels) {
        labelWidth = std::max(labelWidth, ((*m_ui).*label)->sizeHint().width());
    }
    for (QLabel* U::*label : kGroupLabels) {
        ((*m_ui).*label)->setMinimumWidth(labelWidth);
    }
}

void CSmtpSetupDlg::listChanged(FieldKey key, int /*index*/) {
    if (key == SmtpKey("mode")) {
        changeMode();
    } else if (key == SmtpKey("country") && m_settings.mode == kSmtpAuto) {
        fillList(SmtpKey("operator"), choices(kSmtpOperatorList), 0);
    }
    // The operator, SMTP status and SMS Remote Control lists simply hold their selection.
}

void CSmtpSetupDlg::changeMode() {
    readForm();
    // Every text but the phone number starts again; the folder and Max Image No. stay.
    for (const Field<SmtpSettings>& field : kSmtpFields) {
        if (field.kind == FieldKind::Text && FieldKey::Of(field) != SmtpKey("phoneNumber")) {
            (m_settings.*field.text).clear();
        }
    }
    // Auto lists the catalogue from China's first operator on; Manual lists "Other" only.
    m_settings.countryIndex = 0;
    fillList(SmtpKey("country"), choices(kSmtpCountryList), 0);
    fillList(SmtpKey("operator"), choices(kSmtpOperatorList), 0);
    applyLocks();
    writeForm();
}

void CSmtpSetupDlg::fieldEdited(FieldKey key) {
    readForm();
    if (key != SmtpKey("maxImages")) {
        return;
    }
    if (CorrectOutOfBounds(*FindField(SmtpFieldTable(), key.name()), m_settings)) {
        // Only this field shows the correction; the fields after it, which the failed read
        // left, are taken over now, so that nothing typed into them is lost.
        m_ui->maxImagesEdit->setText(QString::number(m_settings.maxImages));
        readForm();
    }
}

bool CSmtpSetupDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->smsRemoteHoursCombo->view()) {
        if (event->type() == QEvent::Show) {
            m_smsRemoteOpenedAt = m_ui->smsRemoteHoursCombo->currentIndex();
        } else if (event->type() == QEvent::Hide &&
                   m_ui->smsRemoteHoursCombo->currentIndex() == m_smsRemoteOpenedAt) {
            readForm();
        }
    }
    return CSetupFormDlg::eventFilter(watched, event);
}

void CSmtpSetupDlg::onGenerate() {
    // Works on the held values with the preset put in, so that the held GPRS texts stay empty
    // in Auto as the form shows them.
    const SmtpSettings written = WithGprsPreset(m_settings);
    const int language = appState().languageIndex;
    if (const auto failure = ValidateSmtpSettings(written, m_model.family, language)) {
        platform().ShowMessage(failure->message);
        return;
    }
    writeConfigFile(folder(), kSmtpFileName,
                    BuildSmtpFile(written, m_model.family, appState().languageByte()),
                    SmtpConfirmation(m_model, language), {.ownerOnly = true});
}

}  // namespace tov
