#include "mms/ui/CMmsSetup2740Dlg.h"

#include "forms/FormModels.h"

namespace tov {

CMmsSetup2740Dlg::CMmsSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CMmsSetupDlg(state, platform, FirstFamilyFormModel(state.modelIndex), parent) {}

}  // namespace tov
