#pragma once

#include "mms/ui/CMmsSetupDlg.h"

namespace tov {

/// The MMS form of the second family ("Tov 9030M", "Tov 9030MG").
class CMmsSetup9030Dlg final : public CMmsSetupDlg {
    Q_OBJECT

public:
    CMmsSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
