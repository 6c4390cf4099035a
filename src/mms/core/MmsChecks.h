#pragma once

#include "common/AppState.h"
#include "mms/core/MmsSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tov {

/// A check that failed: the key of the field to put right, and the message the form shows.
struct MmsProblem {
    std::string_view key;
    MessagePair message;
};

/// Phone No's length limit in bytes: 32 in International format; otherwise 12 in the second
/// family and 11 in the first.
int Phone1Limit(Family family, int phoneFormat);

/// The message of the Phone No length rule, naming the limit.
std::string Phone1TooLongMessage(int limit, int languageIndex);

/// The checks Generate runs first, in order: the recipients (only phone numbers when "SMS" is
/// chosen), then, in Manual mode, the typed access data. The first failure, or nothing.
std::optional<MmsProblem> CheckMmsRecipients(const MmsSettings& settings, bool smsChosen);

/// The final check, after the preset: SMS Remote Control needs a Phone No to answer.
std::optional<MmsProblem> CheckMmsRemoteControl(const MmsSettings& settings);

/// All checks in order; changes nothing.
std::optional<MmsProblem> ValidateMmsSettings(const MmsSettings& settings, bool smsChosen);

}  // namespace tov
