#pragma once

#include "common/Models.h"
#include "forms/CSetupFormDlg.h"
#include "smtp/core/SmtpSettings.h"

#include <memory>
#include <string_view>
#include <vector>

namespace Ui {
class CSmtpSetupDlg;
}

namespace tov {

/// The GPRS and e-mail form of both families over one template: its handlers (mode, country,
/// Max Image No., Generate) on the shared form base. The family classes only say which model
/// they speak for; what differs between the families is data.
class CSmtpSetupDlg : public CSetupFormDlg {
    Q_OBJECT

public:
    ~CSmtpSetupDlg() override;

    /// The held settings: list selections as chosen, texts and numbers as last read from the
    /// form (the GPRS texts stay empty in Auto: Generate writes the preset).
    const SmtpSettings& settings() const { return m_settings; }

protected:
    /// `modelIndex`: the model whose title, family and confirmation the form shows.
    CSmtpSetupDlg(const AppState& state, Platform& platform, int modelIndex, QWidget* parent);

private:
    void listChanged(FieldKey key, int index) override;
    void fieldEdited(FieldKey key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::vector<std::string_view> choices(int list) const;
    void applyTexts();
    void nameControls();
    void changeMode();
    void onGenerate();

    std::unique_ptr<Ui::CSmtpSetupDlg> m_ui;
    const ModelInfo& m_model;
    SmtpSettings m_settings;
    int m_smsRemoteOpenedAt = -1;  ///< the SMS Remote Control selection when its list opened
};

}  // namespace tov
