#include "camera/MenuRecord.h"

#include "app/AppState.h"
#include "common/MenuChecksum.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace tov {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

const ClockSnapshot kClock{2014, 5, 7, 13, 4, 9};

Bytes Slice(const MenuRecord& record, std::size_t from, std::size_t to) {
    return Bytes(record.begin() + static_cast<std::ptrdiff_t>(from),
                 record.begin() + static_cast<std::ptrdiff_t>(to));
}

// Both builders from the same common settings: bytes 0..30 must agree between families.
std::array<MenuRecord, 2> BuildBoth(const CameraMenuSettings& common, ClockSnapshot clock = kClock,
                                    int languageByte = kEnglish, int tvMode = 0) {
    CameraMenuSettings9030 second;
    static_cast<CameraMenuSettings&>(second) = common;
    CameraMenuSettings2740 first;
    static_cast<CameraMenuSettings&>(first) = common;
    ClockSnapshot secondClock = clock;
    return {BuildMenuRecord9030(second, secondClock, languageByte, tvMode),
            BuildMenuRecord2740(first, clock, languageByte, tvMode)};
}

TEST(MenuRecord, FactoryRecordAndOpeningStates) {
    Bytes factory = {0xFF, 0xFF, 0xFF, 0xFF};
    factory.resize(56, 0x00);
    factory.insert(factory.end(), {0x90, 0x88, 0x0D, 0x0A});
    EXPECT_EQ(Slice(FactoryMenuRecord(), 0, 60), factory);

    ClockSnapshot clock = kClock;
    Bytes expected = {0x00, 0x00, 0x01, 0x00, 0x09, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
                      0x00, 0x04, 0x05, 0x07, 0x0D, 0x04, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                      0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    expected.resize(56, 0x00);
    expected.insert(expected.end(), {0x05, 0xF5, 0x0D, 0x0A});
    EXPECT_EQ(Slice(BuildMenuRecord9030({}, clock, kEnglish, 0), 0, 60), expected);

    // The first family opens on video size 0 and has no beep byte at 31.
    expected[2] = 0x00;
    expected[31] = 0x00;
    expected[56] = 0xFB;
    expected[57] = 0xC1;
    EXPECT_EQ(Slice(BuildMenuRecord2740({}, clock, kEnglish, 0), 0, 60), expected);
}

TEST(MenuRecord, CommonFieldsLandAtTheirOffsets) {
    CameraMenuSettings s;
    s.cameraMode = s.videoSize = 2;
    s.imageSize = -1;  // an empty image list
    s.pictureCount = s.timeStamp = s.timer1 = 1;
    s.senseLevel = 3;
    s.sidePir = s.timeLapse = 0;
    s.timeLapseHour = 23;
    s.timeLapseMinute = 58;
    s.timeLapseSecond = 57;
    s.timer1StartHour = 21;
    s.timer1StartMinute = 56;
    s.timer1StopHour = 22;
    s.timer1StopMinute = 55;
    s.serialChars = {0, 9, 10, 35};  // "0", "9", "A", "Z"
    for (const MenuRecord& r : BuildBoth(s, {2020, 12, 31, 23, 59, 58}, kChinese, 0x0101)) {
        EXPECT_EQ(Slice(r, 0, 4), (Bytes{2, 0xFF, 2, 1}));
        EXPECT_EQ(Slice(r, 5, 14), (Bytes{1, 0x01, 3, 1, 0, 0, 23, 58, 57}));
        EXPECT_EQ(Slice(r, 14, 31),
                  (Bytes{10, 12, 31, 23, 59, 58, 21, 56, 22, 55, 0, 0, 9, 10, 35, 1, 0x01}));
        EXPECT_EQ(r[56] | (r[57] << 8), MenuChecksum(std::span(r).first(50)));
    }
}

TEST(MenuRecord, IntervalAndVideoLengthCoding) {
    struct Case {
        int value, unit, byte;
    };
    for (const Case c : {Case{0, 0, 0x80}, Case{60, 0, 0xBC}, Case{1, 1, 0x01}, Case{60, 1, 0x3C},
                         Case{0, 1, 0x00}}) {
        CameraMenuSettings s;
        s.intervalValue = c.value;
        s.intervalUnit = c.unit;
        for (const MenuRecord& r : BuildBoth(s)) {
            EXPECT_EQ(r[6], c.byte) << c.value << " unit " << c.unit;
        }
    }
    for (const auto& [length, byte] :
         {std::pair{1, 0x00}, std::pair{10, 0x09}, std::pair{60, 0x3B}}) {
        CameraMenuSettings s;
        s.videoLength = length;
        for (const MenuRecord& r : BuildBoth(s)) {
            EXPECT_EQ(r[4], byte) << length;
        }
    }
}

TEST(MenuRecord, ClockYearIsHeldAndStoredBack) {
    for (const auto& [taken, held, byte] :
         {std::tuple{2009, 2011, 1}, std::tuple{2040, 2031, 21}}) {
        ClockSnapshot clock = ReadClockSnapshot({taken, 5, 7, 13, 4, 9});
        EXPECT_EQ(BuildMenuRecord2740({}, clock, kEnglish, 0)[14], byte);
        EXPECT_EQ(clock.year, held);
    }
    // A snapshot set by other means is held by the builder itself, to 2010..2031.
    for (const auto& [given, held] : {std::pair{2005, 2010}, std::pair{2099, 2031}}) {
        ClockSnapshot clock{given, 1, 1, 0, 0, 0};
        EXPECT_EQ(BuildMenuRecord9030({}, clock, kEnglish, 0)[14], held - 2010);
        EXPECT_EQ(clock.year, held);
    }
}

TEST(MenuRecord, FamilyBytesFrom31) {
    CameraMenuSettings s;
    s.timer2 = 1;
    s.timer2StartHour = 11;
    s.timer2StartMinute = 22;
    s.timer2StopHour = 13;
    s.timer2StopMinute = 44;
    const auto [second, first] = BuildBoth(s);  // beep sound On, SD cycle Off
    Bytes expected = {1, 0, 1, 11, 22, 13, 44, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Slice(second, 31, 50), expected);
    expected.erase(expected.begin(), expected.begin() + 2);
    expected.resize(19, 0);
    EXPECT_EQ(Slice(first, 31, 50), expected);
}

TEST(MenuRecord, WriteMenuFileReplacesOrFailsKeepingThePreviousFile) {
    TempDir dir;
    WriteBytes(dir.path() / "menu.dat", Bytes(100, 0x55));
    const WriteResult result = WriteMenuFile(dir.str(), FactoryMenuRecord());
    ASSERT_TRUE(result.ok) << result.error;
    const Bytes written = Slice(FactoryMenuRecord(), 0, 60);
    EXPECT_EQ(ReadBytes(MenuFilePath(dir.str())), written);

    const WriteResult missing = WriteMenuFile((dir.path() / "absent").string(), MenuRecord{});
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
    // An empty folder text must not fall back to the working directory.
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const WriteResult empty = WriteMenuFile("", MenuRecord{});
    std::filesystem::current_path(saved);
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(empty.error.empty());

    EXPECT_EQ(ReadBytes(dir.path() / "menu.dat"), written);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"menu.dat"});
}

}  // namespace
}  // namespace tov
