#pragma once

#include "smtp/ui/CSmtpSetupDlg.h"

namespace tov {

/// The GPRS and e-mail form of the first family ("Tov 2740MG", "Tov 2760MG").
class CSmtpSetup2740Dlg final : public CSmtpSetupDlg {
    Q_OBJECT

public:
    CSmtpSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
