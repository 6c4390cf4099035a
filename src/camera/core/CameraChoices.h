#pragma once

#include "camera/core/CameraFields.h"

#include <string_view>
#include <vector>

namespace tov {

/// The serial number characters: index 0..9 the digits, 10..35 the letters, in every language.
inline constexpr std::string_view kSerialAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

/// The entries of `list`, in order, for the camera form that `modelIndex` opens, in the
/// language of `languageIndex`. The order of on and off words is part of the stored value:
/// Time Stamp and Time Lapse list on first, the others off first. The first family's form has
/// no beep sound and SD cycle lists (empty).
std::vector<std::string_view> CameraChoices(int list, int modelIndex, int languageIndex);

}  // namespace tov
