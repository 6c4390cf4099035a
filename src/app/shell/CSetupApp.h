#pragma once

#include "app/core/PreferenceBackend.h"
#include "app/shell/DialogRunner.h"
#include "app/shell/SetupForms.h"
#include "common/AppState.h"
#include "forms/Platform.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace tov {

/// Makes the setup form for a button's choice; nullptr when there is none.
using SetupFormFactory =
    std::function<std::unique_ptr<QDialog>(SetupForm, const AppState&, Platform&)>;

/// The application object: works out the interface language, loads the preferences, colours
/// every dialog and runs the chain of modal windows until the main window is closed.
class CSetupApp final {
public:
    CSetupApp(Platform& platform, PreferenceBackend& preferences, DialogRunner runner = RunModal,
              SetupFormFactory forms = nullptr);
    CSetupApp(const CSetupApp&) = delete;
    CSetupApp& operator=(const CSetupApp&) = delete;

    /// Runs the tool and returns the process exit code. A setup button opens its form; the
    /// form's Exit (rejected) brings a fresh main window back, a form that is accepted or a
    /// main window that is closed ends the run.
    int Run();

    const AppState& state() const { return m_state; }

private:
    Platform& m_platform;
    PreferenceBackend& m_preferences;
    DialogRunner m_runner;
    SetupFormFactory m_forms;
    AppState m_state;
};

}  // namespace tov
