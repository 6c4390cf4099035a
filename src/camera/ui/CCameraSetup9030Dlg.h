#pragma once

#include "camera/ui/CCameraSetupDlg.h"

namespace tov {

/// The camera menu form of the second family ("Tov 9030M", "Tov 9030MG").
class CCameraSetup9030Dlg final : public CCameraSetupDlg {
    Q_OBJECT

public:
    CCameraSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
