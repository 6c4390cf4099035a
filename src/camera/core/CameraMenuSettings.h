#pragma once

#include "common/FilePath.h"

#include <array>
#include <string>

namespace tov {

/// The camera form's settings, the same structure for both families (the first family has
/// no beep sound and SD cycle). Choice fields hold the 0-based position in the form's list
/// (-1: the list has no selection). The opening values come from the field table.
struct CameraMenuSettings {
    int cameraMode = 0;     ///< 0 Camera, 1 Video, 2 Camera+Video
    int imageSize = 0;      ///< meaning per model (the model table's image sizes)
    int videoSize = 0;      ///< meaning per model (the model table's video sizes)
    int pictureCount = 0;   ///< 0..2: one to three photos per trigger
    int timeStamp = 0;      ///< 0 On, 1 Off
    int senseLevel = 0;     ///< 0 Normal, 1 High, 2 Low, 3 Off
    int sidePir = 0;        ///< 0 Off, 1 On
    int videoLength = 0;    ///< seconds, 1..60
    int intervalValue = 0;  ///< 0..60
    int intervalUnit = 0;   ///< 0 Sec, 1 Min

    int timeLapse = 0;  ///< 0 On, 1 Off
    int timeLapseHour = 0;
    int timeLapseMinute = 0;
    int timeLapseSecond = 0;

    int timer1 = 0;  ///< 0 Off, 1 On
    int timer1StartHour = 0;
    int timer1StartMinute = 0;
    int timer1StopHour = 0;
    int timer1StopMinute = 0;

    int timer2 = 0;  ///< 0 Off, 1 On
    int timer2StartHour = 0;
    int timer2StartMinute = 0;
    int timer2StopHour = 0;
    int timer2StopMinute = 0;

    int serialOn = 0;                  ///< 0 Off, 1 On
    std::array<int, 4> serialChars{};  ///< 0..9 digits, 10..35 letters A..Z

    int beepSound = 0;  ///< second family: 0 Off, 1 On
    int sdCycle = 0;    ///< second family: 0 Off, 1 On (overwrite when the card is full)

    int dateFormat = 0;                    ///< 0 YYMMDD, 1 MMDDYY, 2 DDMMYY; display only
    std::string clockText;                 ///< the Set Clock field; display only
    std::string folder = DefaultFolder();  ///< destination folder
};

/// The names the two families' forms give their settings: one structure serves both.
using CameraMenuSettings2740 = CameraMenuSettings;
using CameraMenuSettings9030 = CameraMenuSettings;

}  // namespace tov
