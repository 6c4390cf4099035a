#include "camera/ui/CCameraSetup9030Dlg.h"

namespace tov {
namespace {

// Only the second family's models open this form; any other model is shown as the last of
// them.
int SecondFamilyModel(int modelIndex) {
    if (FamilyOf(modelIndex) == Family::Second) {
        return modelIndex;
    }
    int last = modelIndex;
    for (const ModelInfo& model : Models()) {
        if (model.family == Family::Second) {
            last = model.index;
        }
    }
    return last;
}

}  // namespace

CCameraSetup9030Dlg::CCameraSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CCameraSetupDlg(state, platform, SecondFamilyModel(state.modelIndex), parent) {}

}  // namespace tov
