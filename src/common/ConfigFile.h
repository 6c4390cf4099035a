#pragma once

#include "common/SafeFileWriter.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace tov {

/// Where a configuration file goes for a folder text ("E:\DCIM" and "menu.dat").
std::filesystem::path ConfigFilePath(std::string_view folder, std::string_view fileName);

/// Writes a configuration file (menu.dat, setup.dat, smtp.dat) into `folder` through the safe
/// file output: the whole image in one step, or, on failure, the previous file untouched and
/// the reason returned. `options`: see WriteFileAtomically.
WriteResult WriteConfigFile(std::string_view folder, std::string_view fileName,
                            std::span<const std::uint8_t> bytes, WriteOptions options = {});

}  // namespace tov
