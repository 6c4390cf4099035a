#include "mms/ui/CMmsSetupDlg.h"

#include "common/FieldHelp.h"
#include "common/RecordFile.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "forms/WindowFit.h"
#include "mms/core/MmsChecks.h"
#include "mms/core/MmsChoices.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsMessages.h"
#include "mms/core/MmsRules.h"
#include "mms/core/MmsTexts.h"
#include "ui_CMmsSetupDlg.h"

#include <array>

namespace tov {
namespace {

using U = Ui::CMmsSetupDlg;

// The template's widget for every field of the MMS table.
constexpr std::array<WidgetBinding<U>, 19> kWidgets = {{
    {.key = "mode", .combo = &U::modeCombo},
    {.key = "mmsSend", .combo = &U::mmsSendCombo},
    {.key = "bearer", .combo = &U::bearerCombo},
    {.key = "pictureLimit", .edit = &U::pictureLimitEdit},
    {.key = "phoneFormat", .combo = &U::phoneFormatCombo},
    {.key = "country", .combo = &U::countryCombo},
    {.key = "operator", .combo = &U::operatorCombo},
    {.key = "smsRemoteHours", .combo = &U::smsRemoteCombo},
    {.key = "url", .edit = &U::urlEdit},
    {.key = "apn", .edit = &U::apnEdit},
    {.key = "gateway", .edit = &U::gatewayEdit},
    {.key = "port", .edit = &U::portEdit},
    {.key = "phone1", .edit = &U::phone1Edit},
    {.key = "email", .edit = &U::emailEdit},
    {.key = "account", .edit = &U::accountEdit},
    {.key = "mmsPassword", .edit = &U::mmsPasswordEdit},
    {.key = "phone2", .edit = &U::phone2Edit},
    {.key = "phone3", .edit = &U::phone3Edit},
    {.key = "folder", .edit = &U::folderEdit},
}};
static_assert(BindsEveryField(MmsFieldTable(), kWidgets),
              "every MMS field needs exactly one widget of its kind");

// Which labels show which text of the language table.
struct LabelSlot {
    std::string_view MmsLabelTexts::*text;
    std::array<QLabel * U::*, 2> labels;
};

constexpr std::array<LabelSlot, 15> kLabelSlots = {{
    {&MmsLabelTexts::mmsMode, {&U::mmsModeLabel}},
    {&MmsLabelTexts::mmsSend, {&U::mmsSendLabel}},
    {&MmsLabelTexts::pictureNo, {&U::pictureNoLabel}},
    {&MmsLabelTexts::pictureNote, {&U::pictureNoteLabel}},
    {&MmsLabelTexts::country, {&U::countryLabel}},
    {&MmsLabelTexts::operatorName, {&U::operatorLabel}},
    {&MmsLabelTexts::url, {&U::urlLabel}},
    {&MmsLabelTexts::gateway, {&U::gatewayLabel}},
    {&MmsLabelTexts::port, {&U::portLabel}},
    {&MmsLabelTexts::phoneNo, {&U::phoneNoLabel}},
    {&MmsLabelTexts::email, {&U::emailLabel}},
    {&MmsLabelTexts::account, {&U::accountLabel}},
    {&MmsLabelTexts::password, {&U::passwordLabel}},
    {&MmsLabelTexts::phoneOrEmail, {&U::phoneOrEmail1Label, &U::phoneOrEmail2Label}},
    {&MmsLabelTexts::smsRemote, {&U::smsRemoteLabel}},
}};

struct ButtonSlot {
    std::string_view MmsLabelTexts::*text;
    QPushButton* U::*button;
};

constexpr std::array<ButtonSlot, 3> kButtonSlots = {{
    {&MmsLabelTexts::select, &U::selectButton},
    {&MmsLabelTexts::generate, &U::generateButton},
    {&MmsLabelTexts::exit, &U::exitButton},
}};

constexpr std::array kPhoneOrEmail = {MmsKey("phone2"), MmsKey("phone3")};
// The rows Auto locks, as keys of the form.
constexpr auto kAccess = KeysOf(MmsFieldTable(), kMmsAccessKeys);

}  // namespace

CMmsSetupDlg::CMmsSetupDlg(const AppState& state, Platform& platform, int modelIndex,
                           QWidget* parent)
    : CSetupFormDlg(state, platform, parent), m_ui(std::make_unique<U>()),
      m_model(ModelFor(modelIndex)), m_settings(OpeningMmsSettings(modelIndex)) {
    m_ui->setupUi(this);
    bindFields(MmsFieldTable(), m_model.family, m_settings, *m_ui, kWidgets);
    setStoredFile({kMmsFileName,
                   [this](std::span<const std::uint8_t> bytes) {
                       return DecodeMmsFile(bytes, m_model.index, true);
                   },
                   [this](std::span<const std::uint8_t> bytes, const FileReport&) {
                       loadSetupFile(bytes);
                   }});
    setProfileFile(
        {"mms",
         [this]() -> std::optional<std::vector<std::uint8_t>> {
             MmsFileOutcome outcome =
                 GenerateMmsFile(m_settings, m_model, appState().languageByte(), appState().TvMode);
             if (outcome.problem) {
                 this->platform().ShowMessage(appState().message(outcome.problem->message));
                 return std::nullopt;
             }
             return std::move(outcome.bytes);
         },
         [this](const SettingTexts& texts,
                std::string& refusal) -> std::optional<std::vector<std::uint8_t>> {
             const MmsSettingsResult applied =
                 ApplyMmsSettings(m_model.index, texts, appState().languageIndex);
             if (applied.error) {
                 refusal = *applied.error;
                 return std::nullopt;
             }
             MmsFileOutcome outcome = GenerateMmsFile(applied.settings, m_model,
                                                      appState().languageByte(), appState().TvMode);
             if (outcome.problem) {
                 refusal = appState().message(outcome.problem->message);
                 return std::nullopt;
             }
             return std::move(outcome.bytes);
         }});
    m_ui->folderEdit->setReadOnly(true);  // the folder comes from Select only
    m_ui->folderEdit->setFocusPolicy(Qt::NoFocus);

    m_ui->generateButton->setDefault(true);
    connect(m_ui->generateButton, &QPushButton::clicked, this, &CMmsSetupDlg::onGenerate);
    bindFolderButton(m_ui->selectButton);
    bindExitButton(m_ui->exitButton);

    setWindowTitle(ToQString(FormTitle(m_model)));
    applyTexts();
    fillLists([this](int list) { return choices(list); });
    // Phone No and Email take typing; the access data waits for Manual mode and the Phone or
    // Email fields for a Phone No or Email long enough.
    setEditable(kAccess, false);
    setEditable(kPhoneOrEmail, false);
    writeForm();
    nameControls();
    // The operator list changes with the country: wide enough for every country's operators.
    QStringList operators;
    const int language = appState().languageIndex;
    const std::size_t countries =
        MmsChoices(kMmsCountryList, m_model, language, kMmsAuto, 0).size();
    for (std::size_t country = 0; country < countries; ++country) {
        for (const std::string_view entry :
             MmsChoices(kMmsOperatorList, m_model, language, kMmsAuto, static_cast<int>(country))) {
            operators << ToQString(entry);
        }
    }
    FitEntries(m_ui->operatorCombo, operators);
    prepareForUse(m_ui->rowsScroll, {{m_ui->generateButton, QKeySequence(Qt::ALT | Qt::Key_G)}});
}

CMmsSetupDlg::~CMmsSetupDlg() = default;

void CMmsSetupDlg::nameControls() {
    // Labels that name one field alone are its buddy (the template). The APN or CSD list is
    // the label of the field after it; Domestic or International and the hours have none.
    U& u = *m_ui;
    const MmsChoiceTexts words = MmsTextsFor(m_model.family, appState().languageIndex).choices;
    u.bearerCombo->setAccessibleName(QStringLiteral("APN/CSD"));
    nameApnField();
    NameByLabels(u.phoneFormatCombo, {u.phoneNoLabel},
                 ToQString(words.domestic).trimmed() + QLatin1Char('/') +
                     ToQString(words.international).trimmed());
    NameByLabels(u.smsRemoteCombo, {u.smsRemoteLabel, u.hoursLabel});
    NameByLabels(u.phone2Edit, {u.phoneOrEmail1Label}, QStringLiteral("1"));
    NameByLabels(u.phone3Edit, {u.phoneOrEmail2Label}, QStringLiteral("2"));

    const AppState& state = appState();
    for (QWidget* hours : std::initializer_list<QWidget*>{u.smsRemoteCombo, u.hoursLabel}) {
        hours->setToolTip(ToQString(state.message(kHoursHelp)));
    }
    u.mmsSendCombo->setToolTip(ToQString(state.message(kMmsSendHelp)));
    u.pictureLimitEdit->setToolTip(ToQString(state.message(kPictureLimitHelp)));
    u.phone2Edit->setToolTip(ToQString(state.message(kPhoneOrEmail1Help)));
    u.phone3Edit->setToolTip(ToQString(state.message(kPhoneOrEmail2Help)));
    for (const FieldKey key : kAccess) {
        boundField(key)->edit->setToolTip(ToQString(state.message(kAutoAccessHelp)));
    }
    u.modeCombo->setToolTip(ToQString(state.message(kAutoAccessHelp)));
}

void CMmsSetupDlg::nameApnField() {
    // "APN" or "CSD", whichever the list in its label column shows.
    m_ui->apnEdit->setAccessibleName(m_ui->bearerCombo->currentText());
}

void CMmsSetupDlg::applyTexts() {
    const MmsLabelTexts labels = MmsTextsFor(m_model.family, appState().languageIndex).labels;
    for (const LabelSlot& slot : kLabelSlots) {
        for (QLabel* U::*label : slot.labels) {
            if (label != nullptr) {
                ((*m_ui).*label)->setText(ToQString(labels.*slot.text));
            }
        }
    }
    for (const ButtonSlot& slot : kButtonSlots) {
        ((*m_ui).*slot.button)->setText(ToQString(labels.*slot.text));
    }
    m_ui->mmsFrame->setTitle(ToQString(labels.frame));
}

std::vector<std::string_view> CMmsSetupDlg::choices(int list) const {
    return MmsChoices(list, m_model, appState().languageIndex, m_settings.mode,
                      m_settings.countryIndex);
}

bool CMmsSetupDlg::smsChosen() const {
    return MmsSmsChosen(m_model, m_settings.mmsSend);
}

void CMmsSetupDlg::setEditable(std::span<const FieldKey> keys, bool editable) {
    for (const FieldKey key : keys) {
        setEditable(key, editable);
    }
}

void CMmsSetupDlg::listChanged(FieldKey key, int index) {
    if (key == MmsKey("mode")) {
        onModeChanged();
    } else if (key == MmsKey("mmsSend")) {
        onSendChanged();
    } else if (key == MmsKey("country")) {
        onCountryChanged();
    } else if (key == MmsKey("phoneFormat")) {
        // The number already typed stays as it is.
        if (index == kInternational) {
            platform().ShowMessage(appState().message(kInternationalNotice));
        }
    } else if (key == MmsKey("operator") || key == MmsKey("smsRemoteHours")) {
        readForm();
    } else if (key == MmsKey("bearer")) {
        nameApnField();
    }
    // The APN or CSD list simply holds its selection; Generate takes it.
}

void CMmsSetupDlg::onModeChanged() {
    for (const Field<MmsSettings>& field : kMmsFields) {
        if (field.kind == FieldKind::Text) {
            (m_settings.*field.text).clear();
        }
    }
    // Manual mode lists "Other" for Country and Operator and offers "CSD"; Auto mode lists the
    // catalogue again from its first country.
    fillList(MmsKey("country"), choices(kMmsCountryList), 0);
    fillList(MmsKey("operator"), choices(kMmsOperatorList), 0);
    fillList(MmsKey("bearer"), choices(kMmsBearerList), 0);
    nameApnField();
    const bool manual = m_settings.mode == kMmsManual;
    setEditable(kAccess, manual && !smsChosen());
    setEditable(MmsKey("phone1"), true);
    setEditable(MmsKey("email"), !smsChosen());
    setEditable(kPhoneOrEmail, false);
    writeForm();
}

void CMmsSetupDlg::onSendChanged() {
    if (smsChosen()) {
        // Only phone numbers are sent to: the texts stay, but read-only.
        setEditable(kAccess, false);
        setEditable(MmsKey("email"), false);
        setEditable(kPhoneOrEmail, false);
        setEditable(MmsKey("phone1"), true);
        writeForm();
        return;
    }
    if (m_settings.mode == kMmsManual) {
        setEditable(kAccess, true);
        setEditable(MmsKey("phone1"), true);
        setEditable(kPhoneOrEmail, false);
    }
    // Leaving "SMS" makes Email editable again in Auto mode as well, so that an e-mail
    // recipient can be typed without switching modes (which empties every text).
    setEditable(MmsKey("email"), true);
    readForm();
}

void CMmsSetupDlg::onCountryChanged() {
    if (m_settings.mode == kMmsAuto) {
        fillList(MmsKey("operator"), choices(kMmsOperatorList), 0);
    }
    writeForm();
}

void CMmsSetupDlg::fieldEdited(FieldKey key) {
    if (key == MmsKey("phone1")) {
        onPhone1Edited();
    } else if (key == MmsKey("email")) {
        onEmailEdited();
    } else if (key == MmsKey("phone2")) {
        onPhone2Edited();
    } else {
        readForm();
        if (key == MmsKey("pictureLimit") &&
            CorrectOutOfBounds(*FindField(MmsFieldTable(), key.name()), m_settings)) {
            writeForm();
        }
    }
}

bool CMmsSetupDlg::fieldRead(FieldKey key) {
    const int limit = Phone1Limit(m_model.family, m_settings.phoneFormat);
    if (key == MmsKey("phone1") && static_cast<int>(m_settings.phone1.size()) > limit) {
        platform().ShowMessage(Phone1TooLongMessage(limit, appState().languageIndex));
        return false;
    }
    return true;
}

void CMmsSetupDlg::onPhone1Edited() {
    readForm();
    if (static_cast<int>(m_settings.phone1.size()) >
        Phone1Limit(m_model.family, m_settings.phoneFormat)) {
        m_settings.phone1.clear();
    }
    if (m_settings.phone1.size() < kUnlockingLength) {
        m_settings.phone2.clear();
        m_settings.phone3.clear();
        setEditable(kPhoneOrEmail, false);
    } else {
        setEditable(MmsKey("phone2"), true);
    }
    writeForm();
}

void CMmsSetupDlg::onEmailEdited() {
    readForm();
    if (m_settings.email.size() < kUnlockingLength) {
        m_settings.phone2.clear();
        m_settings.phone3.clear();
        setEditable(kPhoneOrEmail, false);
        writeForm();
    } else if (m_settings.email.find('@') != std::string::npos) {
        setEditable(MmsKey("phone2"), true);
        writeForm();
    }
}

void CMmsSetupDlg::onPhone2Edited() {
    readForm();
    if (m_settings.phone2.size() < kUnlockingLength) {
        m_settings.phone3.clear();
        setEditable(MmsKey("phone3"), false);
    } else {
        setEditable(MmsKey("phone3"), true);
    }
    writeForm();
}

void CMmsSetupDlg::loadSetupFile(std::span<const std::uint8_t> bytes) {
    m_settings = ReadMmsSettings(ReadRecordFile(bytes).plain, m_model.family);
    // The lists and what takes typing as they would stand had the user chosen and typed these.
    // Manual mode lists only "Other" in Country and Operator, whatever positions the file holds.
    const bool manual = m_settings.mode == kMmsManual;
    fillList(MmsKey("country"), choices(kMmsCountryList), manual ? 0 : m_settings.countryIndex);
    fillList(MmsKey("operator"), choices(kMmsOperatorList), manual ? 0 : m_settings.operatorIndex);
    fillList(MmsKey("bearer"), choices(kMmsBearerList), m_settings.bearer);
    nameApnField();
}

void CMmsSetupDlg::fileLoaded() {
    // What takes typing follows the loaded settings as one rule, after the base's own locks.
    const MmsEditable editable = MmsEditability(m_settings, m_model);
    setEditable(kAccess, editable.access);
    setEditable(MmsKey("phone1"), true);
    setEditable(MmsKey("email"), editable.email);
    setEditable(MmsKey("phone2"), editable.phone2);
    setEditable(MmsKey("phone3"), editable.phone3);
}

void CMmsSetupDlg::onGenerate() {
    // Generate works on the held values: the form is not read.
    const MmsFileOutcome outcome =
        GenerateMmsFile(m_settings, m_model, appState().languageByte(), appState().TvMode);
    if (outcome.problem) {
        platform().ShowMessage(appState().message(outcome.problem->message));
        return;
    }
    writeConfigFile(folder(), kMmsFileName, outcome.bytes,
                    MmsConfirmation(m_model, appState().languageIndex), {.ownerOnly = true});
}

}  // namespace tov
