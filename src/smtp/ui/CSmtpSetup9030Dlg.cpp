#include "smtp/ui/CSmtpSetup9030Dlg.h"

namespace tov {
namespace {

// Only the second family's model with the e-mail form opens this form; any other model is
// shown as that model.
int SecondFamilyEmailModel(int modelIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    if (model.family == Family::Second && model.hasEmailForm) {
        return modelIndex;
    }
    for (const ModelInfo& each : Models()) {
        if (each.family == Family::Second && each.hasEmailForm) {
            return each.index;
        }
    }
    return modelIndex;
}

}  // namespace

CSmtpSetup9030Dlg::CSmtpSetup9030Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CSmtpSetupDlg(state, platform, SecondFamilyEmailModel(state.modelIndex), parent) {}

}  // namespace tov
