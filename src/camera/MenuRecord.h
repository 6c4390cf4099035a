#pragma once

#include "camera/CameraMenuSettings.h"
#include "camera/ClockSnapshot.h"
#include "common/Record60.h"
#include "common/SafeFileWriter.h"

#include <filesystem>
#include <string_view>

namespace tov {

/// The 60-byte image of menu.dat.
using MenuRecord = Record60;

inline constexpr std::string_view kMenuFileName = "menu.dat";
/// The checksum covers bytes 0..49; 50..55 are reserved and outside it.
inline constexpr std::size_t kMenuChecksumLength = 50;
inline constexpr std::size_t kMenuChecksumOffset = 56;

/// The second family's record. The clock year is held to 2010..2031 and stored back into
/// `clock`.
MenuRecord BuildMenuRecord9030(const CameraMenuSettings9030& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode);

/// The first family's record; same bytes 0..30, its own 31..37.
MenuRecord BuildMenuRecord2740(const CameraMenuSettings2740& settings, ClockSnapshot& clock,
                               int languageByte, int tvMode);

/// The factory-settings record both families write: FF FF FF FF, zeros, 90 88 0D 0A.
MenuRecord FactoryMenuRecord();

/// Where menu.dat goes for a folder text.
std::filesystem::path MenuFilePath(std::string_view folder);

/// Writes the record as menu.dat in `folder` through the safe file output: on failure the
/// previous file stays and the reason is returned.
WriteResult WriteMenuFile(std::string_view folder, const MenuRecord& record);

}  // namespace tov
