#include "camera/ui/CCameraSetup9030Dlg.h"

#include "forms/FormModels.h"

namespace tov {

CCameraSetup9030Dlg::CCameraSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, SecondFamilyFormModel(state.modelIndex), parent) {}

}  // namespace tov
