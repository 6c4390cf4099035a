#include "camera/MenuRecord.h"

#include "common/FilePath.h"
#include "common/MenuChecksum.h"

#include <algorithm>
#include <array>
#include <span>

namespace tov {
namespace {

// The first byte after the part both families share (0..30).
constexpr std::size_t kFamilyBytesOffset = 31;

// Bytes 31.. of each family, in file order. Everything else in the record is common.
constexpr std::array<int CameraMenuSettings9030::*, 7> kFamilyBytes9030 = {
    &CameraMenuSettings9030::beepSound,
    &CameraMenuSettings9030::sdCycle,
    &CameraMenuSettings9030::timer2,
    &CameraMenuSettings9030::timer2StartHour,
    &CameraMenuSettings9030::timer2StartMinute,
    &CameraMenuSettings9030::timer2StopHour,
    &CameraMenuSettings9030::timer2StopMinute,
};

constexpr std::array<int CameraMenuSettings2740::*, 5> kFamilyBytes2740 = {
    &CameraMenuSettings2740::timer2,
    &CameraMenuSettings2740::timer2StartHour,
    &CameraMenuSettings2740::timer2StartMinute,
    &CameraMenuSettings2740::timer2StopHour,
    &CameraMenuSettings2740::timer2StopMinute,
};

// The camera reads every field as one byte: the low 8 bits of the value. Unsigned arithmetic
// keeps the offsets (-1, +128) well defined for any value.
std::uint8_t LowByte(unsigned value) {
    return static_cast<std::uint8_t>(value & 0xFFU);
}

std::uint8_t LowByte(int value) {
    return LowByte(static_cast<unsigned>(value));
}

void Finish(MenuRecord& record) {
    const std::span<const std::uint8_t> covered(record.data(), kMenuChecksumLength);
    PutChecksum(record, kMenuChecksumOffset, MenuChecksum(covered));
}

// Bytes 0..30, laid out the same in both families.
MenuRecord BuildCommonBytes(const CameraMenuSettings& s, ClockSnapshot& clock, int languageByte,
                            int tvMode) {
    if (clock.year < kClockFirstYear) {
        clock.year = kClockFirstYear;
    } else if (clock.year > kClockLastYear) {
        clock.year = kClockLastYear;
    }
    // Bit 7 of the interval marks seconds; without it the value counts minutes.
    const unsigned interval =
        static_cast<unsigned>(s.intervalValue) + (s.intervalUnit == 0 ? 128U : 0U);

    MenuRecord record = BlankRecord();
    const std::array<std::uint8_t, 31> common = {
        LowByte(s.cameraMode),
        LowByte(s.imageSize),
        LowByte(s.videoSize),
        LowByte(s.pictureCount),
        LowByte(static_cast<unsigned>(s.videoLength) - 1U),
        LowByte(s.timeStamp),
        LowByte(interval),
        LowByte(s.senseLevel),
        LowByte(s.timer1),
        LowByte(s.sidePir),
        LowByte(s.timeLapse),
        LowByte(s.timeLapseHour),
        LowByte(s.timeLapseMinute),
        LowByte(s.timeLapseSecond),
        LowByte(clock.year - kClockFirstYear),
        LowByte(clock.month),
        LowByte(clock.day),
        LowByte(clock.hour),
        LowByte(clock.minute),
        LowByte(clock.second),
        LowByte(s.timer1StartHour),
        LowByte(s.timer1StartMinute),
        LowByte(s.timer1StopHour),
        LowByte(s.timer1StopMinute),
        LowByte(s.serialOn),
        LowByte(s.serialChars[0]),
        LowByte(s.serialChars[1]),
        LowByte(s.serialChars[2]),
        LowByte(s.serialChars[3]),
        LowByte(languageByte),
        LowByte(tvMode),
    };
    std::copy(common.begin(), common.end(), record.begin());
    return record;
}

template <typename Settings, std::size_t N>
MenuRecord BuildMenuRecord(const Settings& settings,
                           const std::array<int Settings::*, N>& familyBytes, ClockSnapshot& clock,
                           int languageByte, int tvMode) {
    MenuRecord record = BuildCommonBytes(settings, clock, languageByte, tvMode);
    for (std::size_t i = 0; i < N; ++i) {
        record[kFamilyBytesOffset + i] = LowByte(settings.*familyBytes[i]);
    }
    Finish(record);
    return record;
}

}  // namespace

MenuRecord BuildMenuRecord9030(const CameraMenuSettings9030& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode) {
    return BuildMenuRecord(settings, kFamilyBytes9030, clock, languageByte, tvMode);
}

MenuRecord BuildMenuRecord2740(const CameraMenuSettings2740& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode) {
    return BuildMenuRecord(settings, kFamilyBytes2740, clock, languageByte, tvMode);
}

MenuRecord FactoryMenuRecord() {
    MenuRecord record = BlankRecord();
    std::fill_n(record.begin(), 4, std::uint8_t{0xFF});
    Finish(record);
    return record;
}

std::filesystem::path MenuFilePath(std::string_view folder) {
    return JoinFolderPath(folder, kMenuFileName);
}

WriteResult WriteMenuFile(std::string_view folder, const MenuRecord& record) {
    // An empty folder gives a bare file name, which the writer refuses rather than writing
    // into the working directory.
    return WriteFileAtomically(MenuFilePath(folder), record);
}

}  // namespace tov
