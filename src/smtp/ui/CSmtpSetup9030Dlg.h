#pragma once

#include "smtp/ui/CSmtpSetupDlg.h"

namespace tov {

/// The GPRS and e-mail form of the second family ("Tov 9030MG").
class CSmtpSetup9030Dlg final : public CSmtpSetupDlg {
    Q_OBJECT

public:
    CSmtpSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace tov
