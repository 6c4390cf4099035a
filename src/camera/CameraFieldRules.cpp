#include "camera/CameraFieldRules.h"

#include <algorithm>
#include <array>

namespace tov {
namespace {

using S = CameraMenuSettings;

constexpr CameraFieldCheck kVideoLength{"videoLength", &S::videoLength, 1, 60,
                                        CheckKind::ToolRange};
constexpr CameraFieldCheck kInterval{"intervalValue", &S::intervalValue, 0, 60,
                                     CheckKind::ToolRange};
constexpr CameraFieldCheck kTimeLapseMinute{"timeLapseMinute", &S::timeLapseMinute, 0, 59,
                                            CheckKind::ToolRange};
constexpr CameraFieldCheck kTimeLapseSecond{"timeLapseSecond", &S::timeLapseSecond, 0, 59,
                                            CheckKind::ToolRange};
constexpr CameraFieldCheck kTimeLapseHour{"timeLapseHour", &S::timeLapseHour, 0, 23,
                                          CheckKind::ToolRange};
constexpr CameraFieldCheck kTimer1StopMinute{"timer1StopMinute", &S::timer1StopMinute, 0, 59,
                                             CheckKind::ToolRange};
constexpr CameraFieldCheck kTimer1StopHour{"timer1StopHour", &S::timer1StopHour, 0, 23,
                                           CheckKind::ToolRange};
constexpr CameraFieldCheck kTimer1StartHour{"timer1StartHour", &S::timer1StartHour, 0, 23,
                                            CheckKind::ToolRange};
constexpr CameraFieldCheck kTimer1StartMinute{"timer1StartMinute", &S::timer1StartMinute, 0, 59,
                                              CheckKind::ToolRange};
constexpr CameraFieldCheck kFolder{"folder", nullptr, 0, kFolderMaxChars, CheckKind::FolderLength};
constexpr CameraFieldCheck kTimer2StopMinute{"timer2StopMinute", &S::timer2StopMinute, 0, 59,
                                             CheckKind::FieldRange};
constexpr CameraFieldCheck kTimer2StopHour{"timer2StopHour", &S::timer2StopHour, 0, 23,
                                           CheckKind::FieldRange};
constexpr CameraFieldCheck kTimer2StartHour{"timer2StartHour", &S::timer2StartHour, 0, 23,
                                            CheckKind::FieldRange};
constexpr CameraFieldCheck kTimer2StartMinute{"timer2StartMinute", &S::timer2StartMinute, 0, 59,
                                              CheckKind::FieldRange};

// The two forms read the same fields; only the last two timer-2 fields swap places.
constexpr std::array kReadOrderSecond = {
    kVideoLength,      kInterval,       kTimeLapseMinute, kTimeLapseSecond,   kTimeLapseHour,
    kTimer1StopMinute, kTimer1StopHour, kTimer1StartHour, kTimer1StartMinute, kFolder,
    kTimer2StopMinute, kTimer2StopHour, kTimer2StartHour, kTimer2StartMinute,
};
constexpr std::array kReadOrderFirst = {
    kVideoLength,      kInterval,       kTimeLapseMinute,   kTimeLapseSecond,   kTimeLapseHour,
    kTimer1StopMinute, kTimer1StopHour, kTimer1StartHour,   kTimer1StartMinute, kFolder,
    kTimer2StopMinute, kTimer2StopHour, kTimer2StartMinute, kTimer2StartHour,
};

// What a text-changed handler puts into a field it finds out of range: the form's opening
// value for the video length and interval, 0 for a time.
int ReplacementFor(std::string_view key) {
    if (key == kVideoLength.key) {
        return 10;
    }
    if (key == kInterval.key) {
        return 1;
    }
    return 0;
}

}  // namespace

std::span<const CameraFieldCheck> CameraReadOrder(Family family) {
    if (family == Family::Second) {
        return kReadOrderSecond;
    }
    return kReadOrderFirst;
}

bool CorrectAfterEdit(CameraMenuSettings& settings, std::string_view key) {
    const auto order = CameraReadOrder(Family::First);
    const auto check = std::find_if(order.begin(), order.end(), [key](const CameraFieldCheck& c) {
        return c.key == key && c.member != nullptr;
    });
    if (check == order.end()) {
        return false;
    }
    int& value = settings.*(check->member);
    if (value < check->min || value > check->max) {
        value = ReplacementFor(key);
        return true;
    }
    if (key == kInterval.key) {
        return CorrectAfterUnitChange(settings);
    }
    return false;
}

bool CorrectAfterUnitChange(CameraMenuSettings& settings) {
    if (settings.intervalUnit == 1 && settings.intervalValue == 0) {
        settings.intervalValue = 1;
        return true;
    }
    return false;
}

void ApplyDefaultReset(CameraMenuSettings& settings, const CameraModelInfo& info) {
    settings.cameraMode = 0;
    settings.imageSize = info.imageSizes.empty() ? -1 : 0;
    settings.videoSize = 0;
    settings.pictureCount = 0;
    settings.timeStamp = 0;
    settings.senseLevel = 0;
    settings.sidePir = 1;
    // The unit goes to Min without the correction a user's switch would apply, so an
    // interval of 0 stays 0.
    settings.intervalUnit = 1;
    settings.timer1 = 0;
    settings.serialOn = 0;
    settings.serialChars = {};
    settings.timeLapse = 1;
    settings.timeLapseHour = 0;
    settings.timeLapseMinute = 0;
    settings.timeLapseSecond = 0;
    settings.timer1StartHour = 0;
    settings.timer1StartMinute = 0;
    settings.timer1StopHour = 0;
    settings.timer1StopMinute = 0;
    settings.videoLength = 10;
}

}  // namespace tov
