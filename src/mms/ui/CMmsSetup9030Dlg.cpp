#include "mms/ui/CMmsSetup9030Dlg.h"

#include "forms/FormModels.h"

namespace tov {

CMmsSetup9030Dlg::CMmsSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CMmsSetupDlg(state, platform, SecondFamilyFormModel(state.modelIndex), parent) {}

}  // namespace tov
