#include "app/SetupForms.h"

#include "camera/CCameraSetup2740Dlg.h"
#include "camera/CCameraSetup9030Dlg.h"

#include <QDialog>

namespace tov {

std::unique_ptr<QDialog> MakeSetupForm(SetupForm form, const AppState& state, Platform& platform) {
    (void)state;
    (void)platform;
    switch (form) {
    case SetupForm::Camera9030:
        return std::make_unique<CCameraSetup9030Dlg>(state, platform);
    case SetupForm::Camera2740:
        return std::make_unique<CCameraSetup2740Dlg>(state, platform);
    case SetupForm::Mms9030:
    case SetupForm::Mms2740:
    case SetupForm::Smtp9030:
    case SetupForm::Smtp2740:
        break;
    }
    return nullptr;
}

}  // namespace tov
