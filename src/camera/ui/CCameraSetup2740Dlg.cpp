#include "camera/ui/CCameraSetup2740Dlg.h"

#include "forms/FormModels.h"

namespace tov {

CCameraSetup2740Dlg::CCameraSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, FirstFamilyFormModel(state.modelIndex), parent) {}

}  // namespace tov
