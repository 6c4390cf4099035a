#pragma once

#include "mms/ui/CMmsSetupDlg.h"

namespace tov {

/// The MMS form of the first family ("Tov 2740M", "Tov 2740MG", "Tov 2760MG").
class CMmsSetup2740Dlg final : public CMmsSetupDlg {
    Q_OBJECT

public:
    CMmsSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
