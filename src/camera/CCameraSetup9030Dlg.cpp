#include "camera/CCameraSetup9030Dlg.h"

#include "ui_CCameraSetup9030Dlg.h"

namespace tov {
namespace {

// Only models 2 and 4 open this form; any other index is shown as the "Tov 9030MG".
int SecondFamilyModel(int modelIndex) {
    return FamilyOf(modelIndex) == Family::Second ? modelIndex : 4;
}

}  // namespace

CCameraSetup9030Dlg::CCameraSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, parent) {
    Ui::CCameraSetup9030Dlg ui;
    ui.setupUi(this);

    CameraFormFamily family;
    family.modelIndex = SecondFamilyModel(state.modelIndex);
    family.buildRecord = [this](ClockSnapshot& clock, int languageByte, int tvMode) {
        return BuildMenuRecord9030(m_settings, clock, languageByte, tvMode);
    };
    family.extraLists = {{CameraList::BeepSound, "beepSoundCombo", &m_settings.beepSound},
                         {CameraList::SdCycle, "sdCycleCombo", &m_settings.sdCycle}};
    Open(m_settings, std::move(family));
}

}  // namespace tov
