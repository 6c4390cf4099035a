#pragma once

#include "common/Models.h"
#include "forms/CSetupFormDlg.h"
#include "mms/core/MmsSettings.h"

#include <memory>
#include <span>

namespace Ui {
class CMmsSetupDlg;
}

namespace tov {

/// The MMS form of both families over one template: its own handlers (MMS Mode, MMS Send,
/// Country, the phone and e-mail fields, Domestic or International, Generate) on the shared
/// form base. The family classes only say which model they show.
class CMmsSetupDlg : public CSetupFormDlg {
    Q_OBJECT

public:
    ~CMmsSetupDlg() override;

    /// The held settings: list selections as chosen, texts as last read from the form. In Auto
    /// mode the access texts stay empty: Generate writes the preset without keeping it.
    const MmsSettings& settings() const { return m_settings; }

protected:
    /// `modelIndex`: the model whose lists, title and messages the form shows.
    CMmsSetupDlg(const AppState& state, Platform& platform, int modelIndex, QWidget* parent);

private:
    void listChanged(FieldKey key, int index) override;
    void fieldEdited(FieldKey key) override;
    bool fieldRead(FieldKey key) override;
    void fileLoaded() override;

    void applyTexts();
    void nameControls();
    void nameApnField();
    std::vector<std::string_view> choices(int list) const;
    bool smsChosen() const;
    void setEditable(std::span<const FieldKey> keys, bool editable);
    using CSetupFormDlg::setEditable;

    void onModeChanged();
    void onSendChanged();
    void onCountryChanged();
    void onPhone1Edited();
    void onEmailEdited();
    void onPhone2Edited();
    void onGenerate();
    /// Takes the settings of a setup.dat the user chose to load.
    void loadSetupFile(std::span<const std::uint8_t> bytes);

    std::unique_ptr<Ui::CMmsSetupDlg> m_ui;
    const ModelInfo& m_model;
    MmsSettings m_settings;
};

}  // namespace tov
