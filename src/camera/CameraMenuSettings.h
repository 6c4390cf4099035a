#pragma once

#include "common/FilePath.h"

#include <array>
#include <string>

namespace tov {

/// The camera form's settings, common to both families. Choice fields hold the 0-based
/// position in the form's list (-1: the list has no selection). Defaults are the form's
/// opening state.
struct CameraMenuSettings {
    int cameraMode = 0;     ///< 0 Camera, 1 Video, 2 Camera+Video
    int imageSize = 0;      ///< meaning per model (CameraModelInfo)
    int videoSize = 0;      ///< meaning per model (CameraModelInfo)
    int pictureCount = 0;   ///< 0..2: one to three photos per trigger
    int timeStamp = 0;      ///< 0 On, 1 Off
    int senseLevel = 0;     ///< 0 Normal, 1 High, 2 Low, 3 Off
    int sidePir = 1;        ///< 0 Off, 1 On
    int videoLength = 10;   ///< seconds, 1..60
    int intervalValue = 1;  ///< 0..60
    int intervalUnit = 1;   ///< 0 Sec, 1 Min

    int timeLapse = 1;  ///< 0 On, 1 Off
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

    int dateFormat = 0;                    ///< 0 YYMMDD, 1 MMDDYY, 2 DDMMYY; display only
    std::string clockText;                 ///< the Set Clock field; display only
    std::string folder = DefaultFolder();  ///< destination folder
};

/// First family ("Tov 2740M", "Tov 2740MG", "Tov 2760MG").
struct CameraMenuSettings2740 : CameraMenuSettings {};

/// Second family ("Tov 9030M", "Tov 9030MG"): adds beep sound and SD cycle, and opens with
/// the video size "1280x720".
struct CameraMenuSettings9030 : CameraMenuSettings {
    CameraMenuSettings9030() { videoSize = 1; }

    int beepSound = 1;  ///< 0 Off, 1 On
    int sdCycle = 0;    ///< 0 Off, 1 On: overwrite when the card is full
};

}  // namespace tov
