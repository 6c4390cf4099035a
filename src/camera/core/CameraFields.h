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
    ListField("cameraMode", &S::cameraMode, kCameraModeList, Both(ByteAt(0)), Both(0), 0),
    ListField("imageSize", &S::imageSize, kImageSizeList, Both(ByteAt(1)), Both(0), 0),
    // The second family opens on its middle video size, 1280x720; Default picks the first.
    ListField("videoSize", &S::videoSize, kVideoSizeList, Both(ByteAt(2)), {0, 1}, 0),
    ListField("pictureCount", &S::pictureCount, kPictureCountList, Both(ByteAt(3)), Both(0), 0),
    ListField("timeStamp", &S::timeStamp, kTimeStampList, Both(ByteAt(5)), Both(0), 0),
    ListField("senseLevel", &S::senseLevel, kSenseLevelList, Both(ByteAt(7)), Both(0), 0),
    ListField("sidePir", &S::sidePir, kSidePirList, Both(ByteAt(9)), Both(1), 1),
    Field<S>{.key = "videoLength",
             .kind = Number,
             .number = &S::videoLength,
             .min = 1,
             .max = 60,
             .correctTo = 10,
             .readOrder = Both(1),
             .place = Both(ByteAt(4, MinusOne)),
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
             .place = Both(ByteAt(6, SecondsValue)),
             .opening = Both(1)},
    ListField("intervalUnit", &S::intervalUnit, kIntervalUnitList, Both(ByteAt(6, SecondsFlag)),
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
             .place = {{}, ByteAt(31)},
             .opening = Both(1)},
    Field<S>{.key = "sdCycle",
             .kind = FieldKind::Choice,
             .number = &S::sdCycle,
             .list = kSdCycleList,
             .present = {false, true},
             .place = {{}, ByteAt(32)},
             .opening = Both(0)},
    ListField("timer1", &S::timer1, kTimer1List, Both(ByteAt(8)), Both(0), 0),
    HourField("timer1StartHour", &S::timer1StartHour, Both(8), Both(ByteAt(20)), kTimer1Off, 0),
    MinuteField("timer1StartMinute", &S::timer1StartMinute, Both(9), Both(ByteAt(21)), kTimer1Off,
                0),
    HourField("timer1StopHour", &S::timer1StopHour, Both(7), Both(ByteAt(22)), kTimer1Off, 0),
    MinuteField("timer1StopMinute", &S::timer1StopMinute, Both(6), Both(ByteAt(23)), kTimer1Off, 0),
    // Timer 2 is kept by Default, and its fields report with the standard range message.
    ListField("timer2", &S::timer2, kTimer2List, {ByteAt(31), ByteAt(33)}, Both(0), std::nullopt),
    HourField("timer2StartHour", &S::timer2StartHour, {15, 14}, {ByteAt(32), ByteAt(34)},
              kTimer2Off, std::nullopt, StandardRange),
    MinuteField("timer2StartMinute", &S::timer2StartMinute, {14, 15}, {ByteAt(33), ByteAt(35)},
                kTimer2Off, std::nullopt, StandardRange),
    HourField("timer2StopHour", &S::timer2StopHour, Both(13), {ByteAt(34), ByteAt(36)}, kTimer2Off,
              std::nullopt, StandardRange),
    MinuteField("timer2StopMinute", &S::timer2StopMinute, Both(12), {ByteAt(35), ByteAt(37)},
                kTimer2Off, std::nullopt, StandardRange),
    ListField("serialOn", &S::serialOn, kSerialOnList, Both(ByteAt(24)), Both(0), 0),
    Field<S>{.key = "serialChars",
             .kind = Chars,
             .chars = &S::serialChars,
             .list = kSerialCharList,
             .place = Both(ByteAt(25, CharRun)),
             .reset = 0,
             .lock = {"serialOn", 0}},
    ListField("timeLapse", &S::timeLapse, kTimeLapseList, Both(ByteAt(10)), Both(1), 1),
    HourField("timeLapseHour", &S::timeLapseHour, Both(5), Both(ByteAt(11)), kTimeLapseOff, 0),
    MinuteField("timeLapseMinute", &S::timeLapseMinute, Both(3), Both(ByteAt(12)), kTimeLapseOff,
                0),
    MinuteField("timeLapseSecond", &S::timeLapseSecond, Both(4), Both(ByteAt(13)), kTimeLapseOff,
                0),
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

/// A camera field's key, checked while compiling.
consteval FieldKey CameraKey(std::string_view name) {
    return FieldKey::In(CameraFieldTable(), name);
}

}  // namespace tov
