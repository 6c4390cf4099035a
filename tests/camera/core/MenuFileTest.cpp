#include "camera/core/MenuFile.h"

#include "camera/core/CameraSettings.h"
#include "common/Checksum.h"
#include "common/Models.h"
#include "support/FromHex.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace tov {
namespace {

using Bytes = std::vector<std::uint8_t>;

const ClockSnapshot kClock{2014, 5, 7, 13, 4, 9};

Bytes BytesOf(const MenuRecord& record) {
    return {record.begin(), record.end()};
}

// Busy settings: every field away from its opening value, each wide field with a byte no other
// field holds. Fields of two or three entries cannot all differ in one record, so three busy
// records (A, B, C) and the opening one give each such field its own sequence of values: any
// two fields that change places, or a field left out, change one of the four records.
CameraMenuSettings Busy(char which) {
    CameraMenuSettings s = OpeningCameraSettings(4);
    s.videoLength = 40;
    s.intervalValue = 45;
    s.timeLapseHour = 4;
    s.timeLapseMinute = 26;
    s.timeLapseSecond = 27;
    s.timer1StartHour = 5;
    s.timer1StartMinute = 31;
    s.timer1StopHour = 6;
    s.timer1StopMinute = 32;
    s.serialChars = {9, 13, 20, 35};
    s.timer2StartHour = 7;
    s.timer2StartMinute = 33;
    s.timer2StopHour = 8;
    s.timer2StopMinute = 34;
    struct Small {
        int cameraMode, imageSize, videoSize, pictureCount, senseLevel, timeStamp, timer1, serialOn,
            sdCycle, timer2, sidePir, timeLapse, beepSound, intervalUnit;
    };
    const Small a{2, 1, 2, 2, 3, 1, 1, 1, 1, 0, 0, 0, 0, 0};
    const Small b{1, 2, 0, 2, 3, 0, 1, 0, 1, 1, 0, 1, 0, 1};
    const Small c{2, 2, 1, 1, 2, 0, 0, 1, 1, 1, 0, 0, 1, 0};
    const Small& v = which == 'A' ? a : (which == 'B' ? b : c);
    s.cameraMode = v.cameraMode;
    s.imageSize = v.imageSize;
    s.videoSize = v.videoSize;
    s.pictureCount = v.pictureCount;
    s.senseLevel = v.senseLevel;
    s.timeStamp = v.timeStamp;
    s.timer1 = v.timer1;
    s.serialOn = v.serialOn;
    s.sdCycle = v.sdCycle;
    s.timer2 = v.timer2;
    s.sidePir = v.sidePir;
    s.timeLapse = v.timeLapse;
    s.beepSound = v.beepSound;
    s.intervalUnit = v.intervalUnit;
    return s;
}

TEST(MenuFile, FactoryAndOpeningImages) {
    EXPECT_EQ(BytesOf(FactoryMenuRecord()),
              FromHex({"FF FF FF FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                       "00 00 00 00 00 00 00 00 90 88 0D 0A"}));

    // The forms' opening states, English, TV mode 0, at 2014-05-07 13:04:09.
    ClockSnapshot clock = kClock;
    EXPECT_EQ(BytesOf(BuildMenuRecord9030(OpeningCameraSettings(4), clock, kEnglish, 0)),
              FromHex({"00 00 01 00 09 00 01 00 00 01 01 00 00 00 04 05 07 0D 04 09 00 00 00 00",
                       "00 00 00 00 00 02 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                       "00 00 00 00 00 00 00 00 05 F5 0D 0A"}));
    EXPECT_EQ(BytesOf(BuildMenuRecord2740(OpeningCameraSettings(5), clock, kEnglish, 0)),
              FromHex({"00 00 00 00 09 00 01 00 00 01 01 00 00 00 04 05 07 0D 04 09 00 00 00 00",
                       "00 00 00 00 00 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                       "00 00 00 00 00 00 00 00 FB C1 0D 0A"}));
}

// The busy records, Japanese, TV mode 0x13C (its low byte), at 2024-11-30 18:28:29. Written out
// from the record's byte table; the first family puts timer 2 at 31..35, the second its beep
// sound and SD cycle at 31..32 and timer 2 at 33..37.
TEST(MenuFile, BusyImagesOfBothFamilies) {
    struct Case {
        char which;
        Family family;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {'A', Family::Second,
         FromHex({"02 01 02 02 27 01 AD 03 01 00 00 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 01 09",
                  "0D 14 23 0A 3C 00 01 00 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 CD 15 0D 0A"})},
        {'B', Family::Second,
         FromHex({"01 02 00 02 27 00 2D 03 01 00 01 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 00 09",
                  "0D 14 23 0A 3C 00 01 01 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 3C 55 0D 0A"})},
        {'C', Family::Second,
         FromHex({"02 02 01 01 27 00 AD 02 00 00 00 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 01 09",
                  "0D 14 23 0A 3C 01 01 01 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 C2 1D 0D 0A"})},
        {'A', Family::First,
         FromHex({"02 01 02 02 27 01 AD 03 01 00 00 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 01 09",
                  "0D 14 23 0A 3C 00 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 33 EF 0D 0A"})},
        {'B', Family::First,
         FromHex({"01 02 00 02 27 00 2D 03 01 00 01 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 00 09",
                  "0D 14 23 0A 3C 01 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 3F 61 0D 0A"})},
        {'C', Family::First,
         FromHex({"02 02 01 01 27 00 AD 02 00 00 00 04 1A 1B 0E 0B 1E 12 1C 1D 05 1F 06 20 01 09",
                  "0D 14 23 0A 3C 01 07 21 08 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                  "00 00 00 00 DE F7 0D 0A"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.which) + (c.family == Family::First ? " first" : " second"));
        ClockSnapshot clock{2024, 11, 30, 18, 28, 29};
        EXPECT_EQ(BytesOf(BuildMenuRecord(Busy(c.which), c.family, clock, kJapanese, 0x13C)),
                  c.bytes);
    }
}

TEST(MenuFile, IntervalVideoLengthAndClockYear) {
    struct Case {
        int value;
        int unit;
        std::uint8_t byte;
    };
    for (const Case c : {Case{0, 0, 0x80}, Case{60, 0, 0xBC}, Case{1, 1, 0x01}, Case{60, 1, 0x3C},
                         Case{0, 1, 0x00}}) {
        CameraMenuSettings s = OpeningCameraSettings(1);
        s.intervalValue = c.value;
        s.intervalUnit = c.unit;
        ClockSnapshot clock = kClock;
        EXPECT_EQ(BuildMenuRecord2740(s, clock, kEnglish, 0)[6], c.byte)
            << c.value << " " << c.unit;
    }
    for (const auto& [length, byte] : {std::pair{1, 0x00}, std::pair{60, 0x3B}}) {
        CameraMenuSettings s = OpeningCameraSettings(2);
        s.videoLength = length;
        ClockSnapshot clock = kClock;
        EXPECT_EQ(BuildMenuRecord9030(s, clock, kEnglish, 0)[4], byte) << length;
    }
    // The snapshot holds 2009 as 2011 and 2040 as 2031; the builder itself holds any other
    // year to 2010..2031 and stores it back.
    for (const auto& [given, held] : {std::pair{2009, 2011}, std::pair{2040, 2031}}) {
        ClockSnapshot clock = ReadClockSnapshot({given, 5, 7, 13, 4, 9});
        EXPECT_EQ(BuildMenuRecord2740(OpeningCameraSettings(1), clock, kEnglish, 0)[14],
                  held - 2010);
    }
    for (const auto& [given, held] : {std::pair{2005, 2010}, std::pair{2099, 2031}}) {
        ClockSnapshot clock{given, 1, 1, 0, 0, 0};
        EXPECT_EQ(BuildMenuRecord9030(OpeningCameraSettings(2), clock, kEnglish, 0)[14],
                  held - 2010);
        EXPECT_EQ(clock.year, held);
    }
}

TEST(MenuFile, EveryFieldReadsBackAndDecodesAsWritten) {
    for (const int model : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(model);
        const Family family = FamilyOf(model);
        CameraMenuSettings busy = Busy('A');
        busy.videoSize = model == 1 || model == 3 ? 1 : busy.videoSize;  // two video sizes
        ClockSnapshot clock = kClock;
        const MenuRecord record = BuildMenuRecord(busy, family, clock, kEnglish, 0);

        CameraMenuSettings back = ReadMenuSettings(record, family);
        back.dateFormat = busy.dateFormat;
        back.clockText = busy.clockText;
        back.folder = busy.folder;
        if (family == Family::First) {
            back.beepSound = busy.beepSound;
            back.sdCycle = busy.sdCycle;
        }
        EXPECT_EQ(back.videoLength, busy.videoLength);
        EXPECT_EQ(back.serialChars, busy.serialChars);
        EXPECT_EQ(BytesOf(BuildMenuRecord(back, family, clock, kEnglish, 0)), BytesOf(record));

        const FileReport report = DecodeMenuFile(record, model);
        EXPECT_FALSE(report.damaged());
        EXPECT_TRUE(report.notes.empty()) << report.notes.front();
    }
}

TEST(MenuFile, DecoderFindsDamageAndUnexpectedValues) {
    ClockSnapshot clock = kClock;
    MenuRecord record = BuildMenuRecord9030(OpeningCameraSettings(4), clock, kEnglish, 0);
    record[3] = 7;   // no fourth picture count
    record[40] = 1;  // reserved
    PutChecksum(record, kMenuChecksumOffset, MenuChecksum(record));
    const FileReport odd = DecodeMenuFile(record, 4);
    EXPECT_FALSE(odd.damaged());
    ASSERT_EQ(odd.notes.size(), 2U);
    EXPECT_NE(odd.notes[0].find("pictureCount"), std::string::npos);
    EXPECT_NE(odd.notes[1].find("38..49"), std::string::npos);

    record[58] = 0x0A;
    record[10] ^= 1;
    Bytes bytes = BytesOf(record);
    bytes.push_back(0);
    const FileReport damaged = DecodeMenuFile(bytes, std::nullopt);
    ASSERT_EQ(damaged.problems.size(), 3U);
    EXPECT_NE(damaged.problems[0].find("61 bytes"), std::string::npos);
    EXPECT_NE(damaged.problems[1].find("line end"), std::string::npos);
    EXPECT_NE(damaged.problems[2].find("checksum"), std::string::npos);
    EXPECT_TRUE(DecodeMenuFile(Bytes(59, 0), 1).sections.empty());
    EXPECT_TRUE(DecodeMenuFile(BytesOf(FactoryMenuRecord()), 1).factory);
}

// The camera sets its clock from the record: a date that does not exist is damage (one out of
// its years only a note), and 29 February of a held year is never written.
TEST(MenuFile, StoredDateThatDoesNotExistIsDamage) {
    for (const auto& [year, month, day, damaged] :
         {std::tuple{21, 2, 29, true}, std::tuple{4, 4, 31, true}, std::tuple{4, 13, 1, true},
          std::tuple{4, 1, 0, true}, std::tuple{2, 2, 29, false}, std::tuple{30, 1, 1, false}}) {
        ClockSnapshot clock{2010 + year, month, 1, 0, 0, 0};
        MenuRecord record = BuildMenuRecord9030(OpeningCameraSettings(2), clock, kEnglish, 0);
        record[16] = static_cast<std::uint8_t>(day);
        PutChecksum(record, kMenuChecksumOffset, MenuChecksum(record));
        const FileReport report = DecodeMenuFile(record, 2);
        ASSERT_EQ(report.problems.size(), damaged ? 1U : 0U) << year << month << day;
        EXPECT_TRUE(!damaged ||
                    report.problems[0].find("clock at bytes 14..19 holds the date") == 0);
    }
    ClockSnapshot clock{2040, 2, 29, 12, 0, 0};
    const MenuRecord held = BuildMenuRecord9030(OpeningCameraSettings(2), clock, kEnglish, 0);
    EXPECT_EQ(Bytes(held.begin() + 14, held.begin() + 17), (Bytes{21, 2, 28}));
}

}  // namespace
}  // namespace tov
