#pragma once

#include "camera/CCameraSetupDlg.h"

namespace tov {

/// The camera menu form of the first family ("Tov 2740M", "Tov 2740MG", "Tov 2760MG").
class CCameraSetup2740Dlg final : public CCameraSetupDlg {
    Q_OBJECT

public:
    CCameraSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);

    /// The held settings: list selections as chosen, numbers as last read from the form.
    const CameraMenuSettings2740& settings() const { return m_settings; }

private:
    CameraMenuSettings2740 m_settings;
};

}  // namespace tov
