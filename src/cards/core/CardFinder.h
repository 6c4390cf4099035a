#pragma once

#include "cards/core/MountTable.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cards {

/// What sysfs tells of a block device.
struct BlockFacts {
    std::string disk;  ///< the whole disk's name ("sdb" for "sdb1")
    bool removable = false;
    bool usb = false;  ///< on a USB bus
    bool mmc = false;  ///< an SD or MMC slot
};

/// The facts of the device named `name` ("sdb1") under `sysRoot` (the real one is "/sys"):
/// class/block/NAME leads to the device, a partition's disk is its parent folder.
BlockFacts ReadBlockFacts(const std::filesystem::path& sysRoot, std::string_view name);

/// Whether `mountPoint` is where a desktop mounts media on its own: a folder right under
/// /media, /media/USER or /run/media/USER.
bool IsAutomountPlace(std::string_view mountPoint, std::string_view user);

/// The mounts of `mounts` that are cards: a block device (not the system disk, the one "/"
/// is on) mounted at an automount place on a device other than its parent mount's, or any
/// mount of a block device that sysfs calls removable, USB or MMC. Each device once.
std::vector<MountEntry> CardMounts(const std::vector<MountEntry>& mounts,
                                   const std::filesystem::path& sysRoot, std::string_view user);

}  // namespace tov::cards
