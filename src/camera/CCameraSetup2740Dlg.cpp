#include "camera/CCameraSetup2740Dlg.h"

#include "ui_CCameraSetup2740Dlg.h"

namespace tov {
namespace {

// Models 2 and 4 open the other form; should one reach this form, it behaves as any index
// outside 1, 3 and 5 does.
int FirstFamilyModel(int modelIndex) {
    return FamilyOf(modelIndex) == Family::First ? modelIndex : 0;
}

}  // namespace

CCameraSetup2740Dlg::CCameraSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, parent) {
    Ui::CCameraSetup2740Dlg ui;
    ui.setupUi(this);

    CameraFormFamily family;
    family.modelIndex = FirstFamilyModel(state.modelIndex);
    family.buildRecord = [this](ClockSnapshot& clock, int languageByte, int tvMode) {
        return BuildMenuRecord2740(m_settings, clock, languageByte, tvMode);
    };
    Open(m_settings, std::move(family));
}

}  // namespace tov
