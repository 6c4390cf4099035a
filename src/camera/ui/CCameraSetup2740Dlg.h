#pragma once

#include "camera/ui/CCameraSetupDlg.h"

namespace tov {

/// The camera menu form of the first family ("Tov 2740M", "Tov 2740MG", "Tov 2760MG").
class CCameraSetup2740Dlg final : public CCameraSetupDlg {
    Q_OBJECT

public:
    CCameraSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
