#include "app/shell/SetupForms.h"

#include "camera/ui/CCameraSetup2740Dlg.h"
#include "camera/ui/CCameraSetup9030Dlg.h"
#include "common/Models.h"
#include "mms/ui/CMmsSetup2740Dlg.h"
#include "mms/ui/CMmsSetup9030Dlg.h"
#include "smtp/ui/CSmtpSetup2740Dlg.h"
#include "smtp/ui/CSmtpSetup9030Dlg.h"

#include <QDialog>

namespace tov {

SetupForm FormFor(SetupButton button, int modelIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    const bool second = model.family == Family::Second;
    switch (button) {
    case SetupButton::Camera:
        return second ? SetupForm::Camera9030 : SetupForm::Camera2740;
    case SetupButton::Mms:
        return second ? SetupForm::Mms9030 : SetupForm::Mms2740;
    case SetupButton::Smtp:
        break;
    }
    return second && model.hasEmailForm ? SetupForm::Smtp9030 : SetupForm::Smtp2740;
}

bool SmtpButtonEnabled(int modelIndex) {
    return ModelFor(modelIndex).hasEmailForm;
}

std::unique_ptr<QDialog> MakeSetupForm(SetupForm form, const AppState& state, Platform& platform) {
    switch (form) {
    case SetupForm::Camera9030:
        return std::make_unique<CCameraSetup9030Dlg>(state, platform);
    case SetupForm::Camera2740:
        return std::make_unique<CCameraSetup2740Dlg>(state, platform);
    case SetupForm::Mms9030:
        return std::make_unique<CMmsSetup9030Dlg>(state, platform);
    case SetupForm::Mms2740:
        return std::make_unique<CMmsSetup2740Dlg>(state, platform);
    case SetupForm::Smtp9030:
        return std::make_unique<CSmtpSetup9030Dlg>(state, platform);
    case SetupForm::Smtp2740:
        return std::make_unique<CSmtpSetup2740Dlg>(state, platform);
    }
    return nullptr;
}

}  // namespace tov
