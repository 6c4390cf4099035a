#include "camera/core/MenuFile.h"

#include "camera/core/CameraSettings.h"
#include "common/Checksum.h"
#include "common/Models.h"

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

// A whole record: bytes 0..37 as given, zeros to 55, the checksum of 0..49, 0D 0A.
Bytes Image(Bytes head) {
    head.resize(56, 0x00);
    const std::uint16_t check = Crc16Xmodem(std::span(head).first(50));
    head.insert(head.end(), {static_cast<std::uint8_t>(check & 0xFF),
                             static_cast<std::uint8_t>(check >> 8), 0x0D, 0x0A});
    return head;
}

// Every field away from its opening value, each with a value no other field holds, so that
// two fields changing places in the layout change the bytes.
CameraMenuSettings Busy(int videoSize) {
    CameraMenuSettings s = OpeningCameraSettings(4);
    s.cameraMode = 2;
    s.imageSize = 1;
    s.videoSize = videoSize;
    s.pictureCount = 2;
    s.timeStamp = 1;
    s.senseLevel = 3;
    s.sidePir = 0;
    s.videoLength = 33;
    s.intervalValue = 45;
    s.intervalUnit = 0;
    s.timeLapse = 0;
    s.timeLapseHour = 21;
    s.timeLapseMinute = 22;
    s.timeLapseSecond = 23;
    s.timer1 = 1;
    s.timer1StartHour = 11;
    s.timer1StartMinute = 12;
    s.timer1StopHour = 13;
    s.timer1StopMinute = 14;
    s.serialOn = 1;
    s.serialChars = {3, 17, 26, 35};
    s.timer2 = 1;
    s.timer2StartHour = 5;
    s.timer2StartMinute = 6;
    s.timer2StopHour = 7;
    s.timer2StopMinute = 9;
    s.beepSound = 0;
    s.sdCycle = 1;
    return s;
}

TEST(MenuFile, FixedImagesOfBothFamilies) {
    Bytes factory = {0xFF, 0xFF, 0xFF, 0xFF};
    factory.resize(56, 0x00);
    factory.insert(factory.end(), {0x90, 0x88, 0x0D, 0x0A});
    EXPECT_EQ(BytesOf(FactoryMenuRecord()), factory);

    // The forms' opening states, English, TV mode 0, at 2014-05-07 13:04:09.
    ClockSnapshot clock = kClock;
    const Bytes second = {0x00, 0x00, 0x01, 0x00, 0x09, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01,
                          0x00, 0x00, 0x00, 0x04, 0x05, 0x07, 0x0D, 0x04, 0x09, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01};
    EXPECT_EQ(BytesOf(BuildMenuRecord9030(OpeningCameraSettings(4), clock, kEnglish, 0)),
              Image(second));
    EXPECT_EQ(Image(second)[56], 0x05);
    EXPECT_EQ(Image(second)[57], 0xF5);
    Bytes first = second;
    first[2] = 0x00;   // 640x480, the first family's first video size
    first[31] = 0x00;  // timer 2 Off, where the second family keeps its beep sound
    EXPECT_EQ(BytesOf(BuildMenuRecord2740(OpeningCameraSettings(1), clock, kEnglish, 0)),
              Image(first));
    EXPECT_EQ(Image(first)[56], 0xFB);
    EXPECT_EQ(Image(first)[57], 0xC1);

    // Every field moved, Francais, TV mode 0x1FF (its low byte), 2020-12-31 23:59:58.
    const Bytes common = {0x02, 0x01, 0x02, 0x02, 0x20, 0x01, 0xAD, 0x03, 0x01, 0x00, 0x00,
                          0x15, 0x16, 0x17, 0x0A, 0x0C, 0x1F, 0x17, 0x3B, 0x3A, 0x0B, 0x0C,
                          0x0D, 0x0E, 0x01, 0x03, 0x11, 0x1A, 0x23, 0x06, 0xFF};
    Bytes busySecond = common;
    busySecond.insert(busySecond.end(), {0x00, 0x01, 0x01, 0x05, 0x06, 0x07, 0x09});
    clock = {2020, 12, 31, 23, 59, 58};
    EXPECT_EQ(BytesOf(BuildMenuRecord9030(Busy(2), clock, kFrancais, 0x1FF)), Image(busySecond));
    Bytes busyFirst = common;
    busyFirst[2] = 0x01;
    busyFirst.insert(busyFirst.end(), {0x01, 0x05, 0x06, 0x07, 0x09});
    EXPECT_EQ(BytesOf(BuildMenuRecord2740(Busy(1), clock, kFrancais, 0x1FF)), Image(busyFirst));
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
        const CameraMenuSettings busy = Busy(family == Family::Second ? 2 : 1);
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
