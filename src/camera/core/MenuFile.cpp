#include "camera/core/MenuFile.h"

#include "camera/core/CameraFields.h"
#include "common/Checksum.h"

#include <algorithm>

namespace tov {
namespace {

std::size_t OffsetOf(ByteRole role) {
    return static_cast<std::size_t>(RowOf(kMenuRows, role).offset);
}

void Finish(MenuRecord& record) {
    PutChecksum(record, kMenuChecksumOffset, MenuChecksum(record));
}

}  // namespace

std::uint16_t MenuChecksum(const MenuRecord& record) {
    return Crc16Xmodem(std::span(record).first(kMenuChecksumLength));
}

MenuRecord BuildMenuRecord(const CameraMenuSettings& settings, Family family, ClockSnapshot& clock,
                           int languageByte, int tvMode) {
    MenuRecord record = BlankRecord();
    PlaceFields(CameraFieldTable(), family, settings, std::span(&record, 1));

    clock = RecordClock(clock);
    const std::array<int, 6> clockBytes = {clock.year - kClockFirstYear,
                                           clock.month,
                                           clock.day,
                                           clock.hour,
                                           clock.minute,
                                           clock.second};
    std::transform(clockBytes.begin(), clockBytes.end(),
                   record.begin() + static_cast<std::ptrdiff_t>(OffsetOf(ByteRole::Clock)),
                   LowByte);
    record[OffsetOf(ByteRole::Language)] = LowByte(languageByte);
    record[OffsetOf(ByteRole::TvMode)] = LowByte(tvMode);
    Finish(record);
    return record;
}

MenuRecord BuildMenuRecord9030(const CameraMenuSettings9030& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode) {
    return BuildMenuRecord(settings, Family::Second, clock, languageByte, tvMode);
}

MenuRecord BuildMenuRecord2740(const CameraMenuSettings2740& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode) {
    return BuildMenuRecord(settings, Family::First, clock, languageByte, tvMode);
}

MenuRecord FactoryMenuRecord() {
    MenuRecord record = BlankRecord();
    std::fill_n(record.begin(), 4, std::uint8_t{0xFF});
    Finish(record);
    return record;
}

CameraMenuSettings ReadMenuSettings(const MenuRecord& record, Family family) {
    CameraMenuSettings settings;
    ApplyOpening(CameraFieldTable(), family, settings, [](int) { return 1; });
    ReadFields(CameraFieldTable(), family, std::span(&record, 1), settings);
    return settings;
}

}  // namespace tov
