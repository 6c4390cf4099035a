#pragma once

#include "camera/core/CameraMenuSettings.h"
#include "camera/core/ClockSnapshot.h"
#include "common/Models.h"
#include "forms/CSetupFormDlg.h"

#include <memory>

namespace Ui {
class CCameraSetupDlg;
}

namespace tov {

/// The camera menu form of both families over one template: its own handlers (clock, interval
/// unit, switches, Generate, Default) on the shared form base. The family classes only say
/// which family and model they show.
class CCameraSetupDlg : public CSetupFormDlg {
    Q_OBJECT

public:
    ~CCameraSetupDlg() override;

    /// The held settings: list selections as chosen, numbers as last read from the form.
    const CameraMenuSettings& settings() const { return m_settings; }
    /// The clock value shown and last written (taken at opening, Get Time, date format changes
    /// and Generate).
    const ClockSnapshot& clock() const { return m_clock; }

protected:
    /// `modelIndex`: the model whose lists, title and messages the form shows.
    CCameraSetupDlg(const AppState& state, Platform& platform, int modelIndex, QWidget* parent);

private:
    void listChanged(FieldKey key, int index) override;
    void fieldEdited(FieldKey key) override;

    void applyTexts();
    void nameControls();
    void takeClock();
    void onGenerate();
    void onDefault();
    void loadMenuFile(std::span<const std::uint8_t> bytes, const FileReport& report);

    std::unique_ptr<Ui::CCameraSetupDlg> m_ui;
    const ModelInfo& m_model;
    CameraMenuSettings m_settings;
    ClockSnapshot m_clock;
};

}  // namespace tov
