#include "app/shell/CSetupApp.h"

#include "app/core/PreferenceStore.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CMainDlg.h"
#include "app/shell/SetupForms.h"
#include "common/LanguageRules.h"

namespace tov {

CSetupApp::CSetupApp(Platform& platform, PreferenceBackend& preferences, DialogRunner runner,
                     SetupFormFactory forms)
    : m_platform(platform), m_preferences(preferences), m_runner(std::move(runner)),
      m_forms(forms ? std::move(forms) : SetupFormFactory(MakeSetupForm)) {}

int CSetupApp::Run() {
    const std::uint16_t systemLangId = m_platform.SystemLanguageId();
    PreferenceStore store(m_preferences, systemLangId);
    LoadPreferences(store, m_state);
    ApplyStartupLanguage(m_state, systemLangId, m_state.languageIndex);
    ApplyDialogColours();

    for (;;) {
        std::optional<SetupButton> button;
        {
            CMainDlg mainWindow(m_state, store, m_platform);
            mainWindow.setDialogRunner(m_runner);
            m_runner(mainWindow);
            button = mainWindow.chosenButton();
        }
        if (!button) {
            return 0;
        }
        const std::unique_ptr<QDialog> form =
            m_forms(FormFor(*button, m_state.modelIndex), m_state, m_platform);
        if (form && m_runner(*form) == QDialog::Accepted) {
            return 0;
        }
    }
}

}  // namespace tov
