#pragma once

#include "common/Models.h"
#include "common/SettingTexts.h"
#include "mms/core/MmsSettings.h"

#include <optional>
#include <string>

namespace tov {

/// The values the MMS form for `modelIndex` opens with: Auto, "VGA", "APN", no picture limit,
/// Domestic, the first country and operator, SMS Remote Control off, every text empty.
MmsSettings OpeningMmsSettings(int modelIndex);

/// Copies the preset of the operator at list positions `country` and `op` into the settings:
/// the two positions and the six access texts, each replaced whole. False, and nothing
/// changed, when the positions name no operator.
bool LoadMmsPreset(MmsSettings& settings, int country, int op);

/// A Phone or Email field is unlocked by a Phone No or an Email of at least this many bytes,
/// and the second by a first of at least this many.
inline constexpr std::size_t kUnlockingLength = 5;

/// Which of the MMS form's texts take typing for some settings; Phone No always does. SMS
/// keeps the access texts, Email and both Phone or Email fields read-only (their texts stay);
/// Auto keeps the access texts read-only (they come from the operator's preset). The first
/// Phone or Email field is reachable once Phone No, or an Email with "@", holds
/// kUnlockingLength bytes; the second once the first does.
struct MmsEditable {
    bool access = false;
    bool email = false;
    bool phone2 = false;
    bool phone3 = false;
    bool phone2Reachable = false;  ///< unlocked by Phone No or Email, whatever SMS locks
    bool phone3Reachable = false;
};
MmsEditable MmsEditability(const MmsSettings& settings, const ModelInfo& model);

/// The result of applying setting texts: the settings, or the first refusal as a message that
/// starts with the key.
struct MmsSettingsResult {
    MmsSettings settings;
    std::optional<std::string> error;
};

/// Applies `texts` to the opening values for `modelIndex` and refuses what the form cannot
/// produce: a text the mode keeps read-only (the access data in Auto mode, the operator
/// choice in Manual mode), a Phone No over its format's limit, a Phone or Email field the form
/// keeps locked. Country and operator are named from the catalogue whatever the model.
/// Messages follow the message rule for `languageIndex`.
MmsSettingsResult ApplyMmsSettings(int modelIndex, const SettingTexts& texts, int languageIndex);

}  // namespace tov
