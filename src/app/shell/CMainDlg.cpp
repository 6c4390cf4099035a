#include "app/shell/CMainDlg.h"

#include "app/core/MainWindowTexts.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CAboutDlg.h"
#include "common/LanguageRules.h"
#include "common/Models.h"
#include "forms/FocusMark.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "forms/WindowFit.h"
#include "ui_CMainDlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tov {
namespace {

const QString kAboutText = QStringLiteral("&About Setup...");

#ifdef _WIN32
// The command the About item sends through the window's system menu.
constexpr UINT kAboutCommand = 0x0010;
#endif

bool IsEnterKey(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

}  // namespace

CMainDlg::CMainDlg(AppState& state, PreferenceStore& store, Platform& platform, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CMainDlg>()), m_state(state), m_store(store),
      m_platform(platform) {
    InstallAccessibleListNames();  // before the lists are built
    m_ui->setupUi(this);
    AddFocusMark(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tov Brenn"));
    setWindowIcon(WindowIcon());
    addAboutCommands();

    writeTexts();
    m_ui->updatesButton->setVisible(true);
    fillLanguageList(LanguageListSelection(m_state));
    fillModelList();
    updateSmtpButton();
    FitEntries(m_ui->languageCombo);
    FitEntries(m_ui->modelCombo);

    connect(m_ui->languageCombo, &QComboBox::currentIndexChanged, this, &CMainDlg::languageChosen);
    connect(m_ui->modelCombo, &QComboBox::currentIndexChanged, this, &CMainDlg::modelChosen);
    connect(m_ui->cameraButton, &QPushButton::clicked, this,
            [this] { setupChosen(SetupButton::Camera); });
    connect(m_ui->mmsButton, &QPushButton::clicked, this,
            [this] { setupChosen(SetupButton::Mms); });
    connect(m_ui->smtpButton, &QPushButton::clicked, this,
            [this] { setupChosen(SetupButton::Smtp); });
    connect(m_ui->updatesButton, &QPushButton::clicked, this, [this] { openUpdates(); });
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::openUpdates() {
    // The address is the build's one setting, so a packager can point it elsewhere.
    if (!m_platform.OpenUrl(TOV_UPDATES_URL)) {
        m_platform.ShowMessage(NoBrowserMessage(TOV_UPDATES_URL, m_state.languageIndex));
    }
}

void CMainDlg::showAbout() {
    CAboutDlg about(this);
    m_runner(about);
}

void CMainDlg::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible) {
        // Showing a dialog makes its first button the default one, drawn as such; here Enter
        // outside a button closes the window instead, so no button may look as if it took it.
        // A focused button still takes Enter and is drawn so while it has the focus.
        for (QPushButton* button : findChildren<QPushButton*>()) {
            button->setDefault(false);
        }
    }
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
    // Enter that no push button takes closes the window, as the close box does.
    if (IsEnterKey(*event)) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::writeTexts() {
    const MainWindowTexts& texts = MainTextsFor(m_state.languageIndex);
    m_ui->cameraButton->setText(ToQString(texts.cameraButton));
    m_ui->mmsButton->setText(ToQString(texts.mmsButton));
    m_ui->smtpButton->setText(ToQString(texts.smtpButton));
    m_ui->updatesButton->setText(ToQString(texts.updatesButton));
    m_ui->versionLabel->setText(ToQString(texts.versionLine));
    m_ui->languageLabel->setText(ToQString(texts.languageLabel));
    m_ui->modelLabel->setText(ToQString(texts.modelLabel));
    // Setting a button's text drops its shortcut.
    GiveShortcut(m_ui->cameraButton, QKeySequence(Qt::ALT | Qt::Key_C));
    GiveShortcut(m_ui->mmsButton, QKeySequence(Qt::ALT | Qt::Key_M));
    GiveShortcut(m_ui->smtpButton, QKeySequence(Qt::ALT | Qt::Key_S));
    GiveShortcut(m_ui->updatesButton, QKeySequence(Qt::ALT | Qt::Key_U));
}

void CMainDlg::fillLanguageList(int position) {
    const QSignalBlocker blocker(m_ui->languageCombo);
    const auto entries = LanguageListEntries(m_state.systemIsChinese == 1);
    if (m_ui->languageCombo->count() != static_cast<int>(entries.size())) {
        m_ui->languageCombo->clear();
        for (const std::string_view entry : entries) {
            m_ui->languageCombo->addItem(ToQString(entry));
        }
    } else {
        // Rebuilt in place: the list is the one whose change is being handled.
        for (std::size_t i = 0; i < entries.size(); ++i) {
            m_ui->languageCombo->setItemText(static_cast<int>(i), ToQString(entries[i]));
        }
    }
    m_ui->languageCombo->setCurrentIndex(position >= 0 && position < kLanguageCount ? position
                                                                                    : -1);
}

void CMainDlg::fillModelList() {
    const QSignalBlocker blocker(m_ui->modelCombo);
    m_ui->modelCombo->clear();
    for (const ModelInfo& model : Models()) {
        m_ui->modelCombo->addItem(ToQString(model.name));
    }
    const int position = m_state.modelIndex - 1;
    m_ui->modelCombo->setCurrentIndex(position >= 0 && position < kModelCount ? position : -1);
}

void CMainDlg::updateSmtpButton() {
    m_ui->smtpButton->setEnabled(SmtpButtonEnabled(m_state.modelIndex));
}

void CMainDlg::languageChosen(int position) {
    if (position < 0) {
        return;
    }
    const int stored = ChooseLanguage(m_state, position);
    fillLanguageList(position);
    writeTexts();
    m_store.WriteLanguagePreference(stored);
}

void CMainDlg::modelChosen(int position) {
    if (position < 0) {
        return;
    }
    m_state.modelIndex = position + 1;
    m_store.WriteModelPreference(m_state.modelIndex);
    updateSmtpButton();
}

void CMainDlg::setupChosen(SetupButton button) {
    m_chosen = button;
    accept();
}

void CMainDlg::addAboutCommands() {
    auto* about = new QAction(kAboutText, this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, &CMainDlg::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

#ifdef _WIN32
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu != nullptr) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, reinterpret_cast<LPCWSTR>(kAboutText.utf16()));
    }
#endif
}

#ifdef _WIN32
bool CMainDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (eventType == "windows_generic_MSG") {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
            showAbout();
            *result = 0;
            return true;
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

}  // namespace tov
