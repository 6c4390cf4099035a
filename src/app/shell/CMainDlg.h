#pragma once

#include "app/core/PreferenceStore.h"
#include "app/shell/DialogRunner.h"
#include "app/shell/SetupForms.h"
#include "common/AppState.h"
#include "forms/Platform.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class CMainDlg;
}

namespace tov {

/// The main window: the language and model lists, the three setup buttons and the updates
/// button. Choices go to `AppState` and to the preferences at once. A setup button ends the
/// window and is reported by chosenButton(); closing it in any other way reports none.
class CMainDlg final : public QDialog {
    Q_OBJECT

public:
    CMainDlg(AppState& state, PreferenceStore& store, Platform& platform,
             QWidget* parent = nullptr);
    ~CMainDlg() override;
    CMainDlg(const CMainDlg&) = delete;
    CMainDlg& operator=(const CMainDlg&) = delete;

    /// The setup button that ended the window; none when the window was closed.
    std::optional<SetupButton> chosenButton() const { return m_chosen; }
    /// How the About box is run: exec() unless replaced.
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }
    void showAbout();
    /// Opens the updates address; where no browser opens, shows the address instead.
    void openUpdates();

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
#ifdef _WIN32
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void writeTexts();
    void fillLanguageList(int position);
    void fillModelList();
    void updateSmtpButton();
    void languageChosen(int position);
    void modelChosen(int position);
    void setupChosen(SetupButton button);
    void addAboutCommands();

    std::unique_ptr<Ui::CMainDlg> m_ui;
    AppState& m_state;
    PreferenceStore& m_store;
    Platform& m_platform;
    DialogRunner m_runner = RunModal;
    std::optional<SetupButton> m_chosen;
};

}  // namespace tov
