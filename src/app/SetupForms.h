#pragma once

#include "app/AppState.h"
#include "app/LanguageRules.h"
#include "app/Platform.h"

#include <memory>

class QDialog;

namespace tov {

/// The setup form for `form`, ready to run modally; nullptr when the tool has no such form.
/// The form reads `state` and `platform` while it is open, so both must outlive it.
std::unique_ptr<QDialog> MakeSetupForm(SetupForm form, const AppState& state, Platform& platform);

}  // namespace tov
