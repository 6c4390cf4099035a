#pragma once

#include "camera/core/CameraMenuSettings.h"
#include "common/FieldTable.h"

#include <array>

namespace tov {

/// The drop-down lists of the camera forms.
enum CameraList : int {
    kCameraModeList,
    kImageSizeList,
    kVideoSizeList,
    kPictureCountList,
    kTimeStampList,
    kSenseLevelList,
    kSidePirList,
    kIntervalUnitList,
    kDateFormatList,
    kBeepSoundList,
    kSdCycleList,
    kTimer1List,
    kTimer2List,
    kSerialOnList,
    kSerialCharList,
    kTimeLapseList,
};

namespace camera_fields {

using S = CameraMenuSettings;
using enum FieldKind;
using enum Coding;
using enum LimitMessage;

/// A byte of menu.dat (the file is one record).
constexpr Place At(int offset, Coding coding = Byte) {
    return {0, offset, coding};
}

constexpr Field<S> HourField(std::string_view key, int S::*member, PerFamily<int> readOrder,
                             PerFamily<Place> place, Lock lock, std::optional<int> reset,
                             LimitMessage message = ToolRange) {
    return {.key = key,
            .kind = Number,
            .number = member,
            .min = 0,
            .max = 23,
            .message = message,
            .correctTo = 0,
            .readOrder = readOrder,
            .place = place,
            .opening = Both(0),
            .reset = reset,
            .lock = lock};
}

constexpr Field<S> MinuteField(std::string_view key, int S::*member, PerFamily<int> readOrder,
                               PerFamily<Place> place, Lock lock, std::optional<int> reset,
                               LimitMessage message = ToolRange) {
    Field<S> field = HourField(key, member, readOrder, place, lock, reset, message);
    field.max = 59;
    return field;
}

constexpr Field<S> ListField(std::string_view key, int S::*member, CameraList list,
                             PerFamily<Place> place, PerFamily<int> opening,
                             std::optional<int> reset) {
    return {.key = key,
            .kind = FieldKind::Choice,
            .number = member,
            .list = list,
            .place = place,
            .opening = opening,
            .reset = reset};
}

constexpr Lock kTimeLapseOff{"timeLapse", 1};
constexpr Lock kTimer1Off{"timer1", 0};
constexpr Lock kTimer2Off{"timer2", 0};

// Read order: the form reads its number fields and the folder in this order and stops at the
// first failure. The two families differ only in the last two timer-2 fields.
// File: bytes 0..30 lie alike in both families; from 31 on the second family puts its beep
// sound and SD cycle before timer 2. Bytes that no field gives (the clock at 14..19, the
// language at 29, the TV mode at 30, the reserved bytes) are set by the file builder.
inline constexpr std::array kCameraFields = {
    ListField("cameraMode", &S::cameraMode, kCameraModeList, Both(At(0)), Both(0), 0),
    ListField("imageSize", &S::imageSize, kImageSizeList, Both(At(1)), Both(0), 0),
    // The second family opens on its middle video size, 1280x720; Default picks the first.
    ListField("videoSize", &S::videoSize, kVideoSizeList, Both(At(2)), {0, 1}, 0),
    ListField("pictureCount", &S::pictureCount, kPictureCountList, Both(At(3)), Both(0), 0),
    ListField("timeStamp", &S::timeStamp, kTimeStampList, Both(At(5)), Both(0), 0),
    ListField("senseLevel", &S::senseLevel, kSenseLevelList, Both(At(7)), Both(0), 0),
    ListField("sidePir", &S::sidePir, kSidePirList, Both(At(9)), Both(1), 1),
    Field<S>{.key = "videoLength",
             .kind = Number,
             .number = &S::videoLength,
             .min = 1,
             .max = 60,
             .correctTo = 10,
             .readOrder = Both(1),
             .place = Both(At(4, MinusOne)),
             .opening = Both(10),
             .reset = 10,
             .unit = "Sec"},
    // Default turns the unit to Min without the correction a user's switch applies, so an
    // interval of 0 stays 0.
    Field<S>{.key = "intervalValue",
             .kind = Number,
             .number = &S::intervalValue,
             .min = 0,
             .max = 60,
             .correctTo = 1,
             .readOrder = Both(2),
             .place = Both(At(6, SecondsValue)),
             .opening = Both(1)},
    ListField("intervalUnit", &S::intervalUnit, kIntervalUnitList, Both(At(6, SecondsFlag)),
              Both(1), 1),
    Field<S>{.key = "dateFormat",
             .kind = FieldKind::Choice,
             .number = &S::dateFormat,
             .list = kDateFormatList,
             .opening = Both(0)},
    Field<S>{.key = "beepSound",
             .kind = FieldKind::Choice,
             .number = &S::beepSound,
             .list = kBeepSoundList,
             .present = {false, true},
             .place = {{}, At(31)},
             .opening = Both(1)},
    Field<S>{.key = "sdCycle",
             .kind = FieldKind::Choice,
             .number = &S::sdCycle,
             .list = kSdCycleList,
             .present = {false, true},
             .place = {{}, At(32)},
             .opening = Both(0)},
    ListField("timer1", &S::timer1, kTimer1List, Both(At(8)), Both(0), 0),
    HourField("timer1StartHour", &S::timer1StartHour, Both(8), Both(At(20)), kTimer1Off, 0),
    MinuteField("timer1StartMinute", &S::timer1StartMinute, Both(9), Both(At(21)), kTimer1Off, 0),
    HourField("timer1StopHour", &S::timer1StopHour, Both(7), Both(At(22)), kTimer1Off, 0),
    MinuteField("timer1StopMinute", &S::timer1StopMinute, Both(6), Both(At(23)), kTimer1Off, 0),
    // Timer 2 is kept by Default, and its fields report with the standard range message.
    ListField("timer2", &S::timer2, kTimer2List, {At(31), At(33)}, Both(0), std::nullopt),
    HourField("timer2StartHour", &S::timer2StartHour, {15, 14}, {At(32), At(34)}, kTimer2Off,
              std::nullopt, StandardRange),
    MinuteField("timer2StartMinute", &S::timer2StartMinute, {14, 15}, {At(33), At(35)}, kTimer2Off,
                std::nullopt, StandardRange),
    HourField("timer2StopHour", &S::timer2StopHour, Both(13), {At(34), At(36)}, kTimer2Off,
              std::nullopt, StandardRange),
    MinuteField("timer2StopMinute", &S::timer2StopMinute, Both(12), {At(35), At(37)}, kTimer2Off,
                std::nullopt, StandardRange),
    ListField("serialOn", &S::serialOn, kSerialOnList, Both(At(24)), Both(0), 0),
    Field<S>{.key = "serialChars",
             .kind = Chars,
             .chars = &S::serialChars,
             .list = kSerialCharList,
             .place = Both(At(25, CharRun)),
             .reset = 0,
             .lock = {"serialOn", 0}},
    ListField("timeLapse", &S::timeLapse, kTimeLapseList, Both(At(10)), Both(1), 1),
    HourField("timeLapseHour", &S::timeLapseHour, Both(5), Both(At(11)), kTimeLapseOff, 0),
    MinuteField("timeLapseMinute", &S::timeLapseMinute, Both(3), Both(At(12)), kTimeLapseOff, 0),
    MinuteField("timeLapseSecond", &S::timeLapseSecond, Both(4), Both(At(13)), kTimeLapseOff, 0),
    // A typed folder may have at most 80 characters; a longer path from the folder picker is
    // refused when the form is read.
    Field<S>{.key = "folder",
             .kind = Folder,
             .text = &S::folder,
             .max = 80,
             .message = StandardLength,
             .readOrder = Both(11)},
};

}  // namespace camera_fields

using camera_fields::kCameraFields;

/// The camera forms' fields, as a table for the field functions.
inline constexpr FieldTable<CameraMenuSettings> CameraFieldTable() {
    return kCameraFields;
}

}  // namespace tov
