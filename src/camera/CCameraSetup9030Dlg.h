#pragma once

#include "camera/CCameraSetupDlg.h"

namespace tov {

/// The camera menu form of the second family ("Tov 9030M", "Tov 9030MG").
class CCameraSetup9030Dlg final : public CCameraSetupDlg {
    Q_OBJECT

public:
    CCameraSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);

    /// The held settings: list selections as chosen, numbers as last read from the form.
    const CameraMenuSettings9030& settings() const { return m_settings; }

private:
    CameraMenuSettings9030 m_settings;
};

}  // namespace tov
