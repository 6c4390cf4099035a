#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tov::cards {

/// The file system a volume is formatted with, as far as the camera cares.
enum class VolumeFormat { Unknown, Fat, Fat12, Fat16, Fat32, ExFat, Ntfs, Other };

/// The format a volume's first sector declares: exFAT and NTFS by their names, FAT by its BIOS
/// parameter block, with FAT12/16/32 told apart by the count of clusters as the FAT
/// specification does. Unknown for anything else (ext4 keeps its superblock later on).
VolumeFormat FormatFromBootSector(std::span<const std::uint8_t> sector);

/// The volume serial number a FAT12/16/32 or exFAT boot sector holds, as the system's tools
/// show it ("1A2B-3C4D"); empty for any other sector.
std::string VolumeSerialFromBootSector(std::span<const std::uint8_t> sector);

/// A 32-bit volume serial as "1A2B-3C4D".
std::string VolumeSerialText(std::uint32_t serial);

/// The format a mount table or the device database names ("vfat", "exfat", "ntfs3"); Unknown
/// for names that tell nothing of the volume ("fuseblk"), Other for file systems the camera
/// cannot read ("ext4").
VolumeFormat FormatFromTypeName(std::string_view type);

/// Whether the camera reads the format: FAT12/16/32 and exFAT.
bool CameraReads(VolumeFormat format);

/// "FAT32", "exFAT", "NTFS"; `typeName` for Other and Unknown ("ext4", "fuseblk").
std::string FormatName(VolumeFormat format, std::string_view typeName);

/// The value of `key` in a udev database entry (/run/udev/data/b8:17: "E:ID_FS_TYPE=exfat").
std::optional<std::string> UdevProperty(std::string_view entry, std::string_view key);

}  // namespace tov::cards
