#pragma once

#include "forms/Platform.h"

namespace tov {

/// The range check forms run while reading their fields. Out of range: shows the tool's
/// range message through ShowMessage (Chinese when `languageIndex` is 1) and returns false;
/// the caller then stops reading and puts the focus on the field.
bool CheckIntRange(Platform& platform, int languageIndex, int value, int min, int max);

}  // namespace tov
