#include "camera/ui/CCameraSetup2740Dlg.h"

namespace tov {
namespace {

// Models of the second family open the other form; should one reach this form, it behaves as
// any model outside the list does.
int FirstFamilyModel(int modelIndex) {
    return FamilyOf(modelIndex) == Family::First ? modelIndex : 0;
}

}  // namespace

CCameraSetup2740Dlg::CCameraSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, FirstFamilyModel(state.modelIndex), parent) {}

}  // namespace tov
