#pragma once

#include "app/AppState.h"

#include <string_view>
#include <vector>

namespace tov {

/// The drop-down lists of the camera forms. BeepSound and SdCycle exist in the second
/// family's form only.
enum class CameraList {
    CameraMode,
    ImageSize,
    VideoSize,
    PictureCount,
    TimeStamp,
    SenseLevel,
    SidePir,
    IntervalUnit,
    DateFormat,
    BeepSound,
    SdCycle,
    Timer1,
    Timer2,
    SerialOn,
    SerialChar,
    TimeLapse,
};

/// The serial number characters: index 0..9 the digits, 10..35 the letters, in every language.
inline constexpr std::string_view kSerialAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

/// The entries of `list`, in order, for the form that `modelIndex` opens, in the language of
/// `languageIndex` (table choice of CameraTextsFor). The order of on and off words is part
/// of the stored value: Time Stamp and Time Lapse list on first, the others off first.
std::vector<std::string_view> CameraChoices(CameraList list, int modelIndex, int languageIndex);

}  // namespace tov
