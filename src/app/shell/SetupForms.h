#pragma once

#include "common/AppState.h"
#include "forms/Platform.h"

#include <memory>

class QDialog;

namespace tov {

/// The three setup buttons of the main window.
enum class SetupButton { Camera, Mms, Smtp };

/// The forms a setup button can open.
enum class SetupForm { Camera9030, Camera2740, Mms9030, Mms2740, Smtp9030, Smtp2740 };

/// Which form a button opens for the model: the form of the model's family; the e-mail form of
/// the second family only for a second-family model that has one.
SetupForm FormFor(SetupButton button, int modelIndex);

/// Whether the model has the e-mail form, so that the main window enables its button (a
/// model outside the list does: it opens the first family's form).
bool SmtpButtonEnabled(int modelIndex);

/// The setup form for `form`, ready to run modally; nullptr when the tool has no such form.
/// The form reads `state` and `platform` while it is open, so both must outlive it.
std::unique_ptr<QDialog> MakeSetupForm(SetupForm form, const AppState& state, Platform& platform);

}  // namespace tov
