#pragma once

#include "camera/core/CameraMenuSettings.h"
#include "common/SettingTexts.h"

#include <optional>
#include <string>

namespace tov {

/// The values the camera form for `modelIndex` opens with; a model without image sizes holds
/// no image size selection (-1).
CameraMenuSettings OpeningCameraSettings(int modelIndex);

/// What Default does to the held values of the form for `modelIndex`: resets selections and
/// numbers; keeps the interval value, timer 2, the date format, the clock text, the folder,
/// and the beep sound and SD cycle.
void ApplyCameraDefault(CameraMenuSettings& settings, int modelIndex);

/// The correction a number field's handler applies after reading the form: a value out of
/// bounds becomes the field's replacement (10 for the video length, 1 for the interval, 0 for
/// a time); an interval of 0 with the unit Min becomes 1. Returns whether a value changed
/// (the form is then written).
bool CorrectAfterEdit(CameraMenuSettings& settings, FieldKey key);

/// Switching the interval unit to Min turns an interval of 0 into 1. Returns whether it did.
bool CorrectAfterUnitChange(CameraMenuSettings& settings);

/// The result of applying setting texts: the settings, or the first refusal as a message that
/// starts with the key ("videoLength: Please enter an integer between 1 and 60!").
struct CameraSettingsResult {
    CameraMenuSettings settings;
    std::optional<std::string> error;
};

/// Applies `texts` to the opening values for `modelIndex` as the form would take them, and
/// refuses what the form would not keep (an interval of 0 with the unit Min, which the form
/// turns into 1). Messages follow the message rule for `languageIndex`.
CameraSettingsResult ApplyCameraSettings(int modelIndex, const SettingTexts& texts,
                                         int languageIndex);

}  // namespace tov
