#pragma once

#include "camera/core/CameraMenuSettings.h"
#include "camera/core/ClockSnapshot.h"
#include "camera/core/MenuLayout.h"
#include "common/AppState.h"
#include "common/FileReport.h"
#include "common/Record60.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tov {

/// The 60-byte image of menu.dat.
using MenuRecord = Record60;

inline constexpr std::string_view kMenuFileName = "menu.dat";
/// The checksum covers bytes 0..49; 50..55 are reserved and outside it.
inline constexpr std::size_t kMenuChecksumLength = 50;
inline constexpr auto kMenuChecksumOffset =
    static_cast<std::size_t>(RowOf(kMenuRows, ByteRole::Check).offset);

/// The checksum menu.dat carries: CRC-16/XMODEM of bytes 0..49.
std::uint16_t MenuChecksum(const MenuRecord& record);

/// The record of the family's camera form: the settings' fields where the field table puts
/// them, the clock (held as RecordClock holds it and stored back into `clock`), the language
/// byte and the TV mode's low byte, the checksum and the line end.
MenuRecord BuildMenuRecord(const CameraMenuSettings& settings, Family family, ClockSnapshot& clock,
                           int languageByte, int tvMode);

/// The second family's record.
MenuRecord BuildMenuRecord9030(const CameraMenuSettings9030& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode);
/// The first family's record; same bytes 0..30, its own from 31 on.
MenuRecord BuildMenuRecord2740(const CameraMenuSettings2740& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode);

/// The factory-settings record both families write: FF FF FF FF, zeros, 90 88 0D 0A.
MenuRecord FactoryMenuRecord();

/// The settings a record of the family holds, as the field table reads them back; fields
/// outside the file keep their opening values.
CameraMenuSettings ReadMenuSettings(const MenuRecord& record, Family family);

/// What a menu.dat holds and whether it is sound: its size (60), line end (0D 0A) and
/// checksum, the factory record, and every field. With `modelIndex` the model's lists and
/// family give the meanings; without it every model's reading of the model-dependent bytes
/// is given. Sections: "fields" (bytes 0..30), then "firstFamily" and "secondFamily".
FileReport DecodeMenuFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex);

}  // namespace tov
