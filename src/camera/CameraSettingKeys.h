#pragma once

#include "camera/CameraChoices.h"
#include "camera/CameraMenuSettings.h"
#include "camera/ClockSnapshot.h"
#include "camera/MenuRecord.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tov {

/// The camera settings of one model: the first family's structure or the second's.
using AnyCameraMenuSettings = std::variant<CameraMenuSettings2740, CameraMenuSettings9030>;

/// Settings given as text by key ("videoLength" -> "30", "imageSize" -> "5MP").
using CameraSettingTexts = std::map<std::string, std::string, std::less<>>;

/// What a setting key holds: a list choice, a held number, or the four serial characters.
enum class CameraSettingKind { Choice, Number, SerialChars };

/// One key that camera settings can be given by: the settings field name.
struct CameraSettingKey {
    std::string_view key;
    CameraSettingKind kind;
    std::optional<CameraList> list;  ///< the form's list; none for numbers
    bool secondFamilyOnly;
};

/// Every key a camera form of either family has, in the form's top-to-bottom order.
std::span<const CameraSettingKey> AllCameraSettingKeys();

/// The names of the keys a camera form of `family` has, in the same order.
std::vector<std::string_view> CameraSettingKeyNames(Family family);

/// The values the camera form for `modelIndex` opens with; a model without image sizes holds
/// no image size selection (-1).
AnyCameraMenuSettings OpeningCameraSettings(int modelIndex);

/// The part both families share.
CameraMenuSettings& CommonSettings(AnyCameraMenuSettings& settings);
const CameraMenuSettings& CommonSettings(const AnyCameraMenuSettings& settings);

/// The menu.dat record of the settings' family (BuildMenuRecord2740 or BuildMenuRecord9030).
MenuRecord BuildMenuRecordFor(const AnyCameraMenuSettings& settings, ClockSnapshot& clock,
                              int languageByte, int tvMode);

/// The result of applying setting texts: the settings, or the first refusal as a message that
/// starts with the key ("videoLength: Please enter an integer between 1 and 60!").
struct CameraSettingsResult {
    AnyCameraMenuSettings settings;
    std::optional<std::string> error;
};

/// Applies `texts` to the opening values for `modelIndex`. Keys must exist in the model's
/// family; numbers are checked as the form reads them (same order, bounds and messages);
/// a choice is its 0-based index or its English list text; serialChars is four characters
/// of 0-9 and A-Z. Messages follow the message rule for `languageIndex`.
CameraSettingsResult ApplyCameraSettings(int modelIndex, const CameraSettingTexts& texts,
                                         int languageIndex);

/// The name of a model for messages: its list entry ("Tov 9030M"), or "model N" outside 1..5.
std::string ModelDisplayName(int modelIndex);

}  // namespace tov
