#include "cards/core/VolumeFormat.h"

#include "common/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

namespace tov::cards {
namespace {

constexpr std::size_t kSectorSize = 512;

unsigned Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8U);
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return Le16(bytes, at) | (static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16U);
}

bool NameAt(std::span<const std::uint8_t> sector, std::size_t at, std::string_view name) {
    return std::equal(name.begin(), name.end(), sector.begin() + static_cast<std::ptrdiff_t>(at));
}

// FAT12/16/32 by the count of data clusters (fewer than 4085: FAT12, fewer than 65525: FAT16),
// from the BIOS parameter block; Unknown when its values cannot be a FAT volume's.
VolumeFormat FatKind(std::span<const std::uint8_t> sector) {
    const unsigned bytesPerSector = Le16(sector, 11);
    const unsigned sectorsPerCluster = sector[13];
    const unsigned reserved = Le16(sector, 14);
    const unsigned fats = sector[16];
    const unsigned rootEntries = Le16(sector, 17);
    const std::uint32_t total = Le16(sector, 19) != 0 ? Le16(sector, 19) : Le32(sector, 32);
    const std::uint32_t fatSize = Le16(sector, 22) != 0 ? Le16(sector, 22) : Le32(sector, 36);
    const bool powerOfTwo = (sectorsPerCluster & (sectorsPerCluster - 1)) == 0;
    if (bytesPerSector < 512 || bytesPerSector > 4096 ||
        (bytesPerSector & (bytesPerSector - 1)) != 0 || sectorsPerCluster == 0 || !powerOfTwo ||
        reserved == 0 || fats == 0 || fatSize == 0 || total == 0) {
        return VolumeFormat::Unknown;
    }
    const std::uint64_t rootSectors = (rootEntries * 32ULL + bytesPerSector - 1) / bytesPerSector;
    const std::uint64_t used = reserved + static_cast<std::uint64_t>(fats) * fatSize + rootSectors;
    if (used >= total) {
        return VolumeFormat::Unknown;
    }
    const std::uint64_t clusters = (total - used) / sectorsPerCluster;
    if (clusters < 4085) {
        return VolumeFormat::Fat12;
    }
    return clusters < 65525 ? VolumeFormat::Fat16 : VolumeFormat::Fat32;
}

}  // namespace

VolumeFormat FormatFromBootSector(std::span<const std::uint8_t> sector) {
    if (sector.size() < kSectorSize) {
        return VolumeFormat::Unknown;
    }
    if (NameAt(sector, 3, "EXFAT   ")) {
        return VolumeFormat::ExFat;
    }
    if (NameAt(sector, 3, "NTFS    ")) {
        return VolumeFormat::Ntfs;
    }
    // A FAT boot sector starts with a jump and ends with the signature 55 AA.
    const bool jump = sector[0] == 0xEB || sector[0] == 0xE9;
    if (!jump || sector[510] != 0x55 || sector[511] != 0xAA) {
        return VolumeFormat::Unknown;
    }
    return FatKind(sector);
}

std::string VolumeSerialText(std::uint32_t serial) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04X-%04X", static_cast<unsigned>(serial >> 16U),
                  static_cast<unsigned>(serial & 0xFFFFU));
    return text.data();
}

std::string VolumeSerialFromBootSector(std::span<const std::uint8_t> sector) {
    // exFAT keeps it at 100; FAT32 in its extended parameter block at 67, FAT12/16 at 39, each
    // behind the signature 0x29 that says the block is there.
    switch (FormatFromBootSector(sector)) {
    case VolumeFormat::ExFat:
        return VolumeSerialText(Le32(sector, 100));
    case VolumeFormat::Fat32:
        return sector[66] == 0x29 ? VolumeSerialText(Le32(sector, 67)) : std::string();
    case VolumeFormat::Fat12:
    case VolumeFormat::Fat16:
        return sector[38] == 0x29 ? VolumeSerialText(Le32(sector, 39)) : std::string();
    default:
        return {};
    }
}

VolumeFormat FormatFromTypeName(std::string_view type) {
    struct Named {
        std::string_view name;
        VolumeFormat format;
    };
    static constexpr Named kNames[] = {
        {"vfat", VolumeFormat::Fat},        {"msdos", VolumeFormat::Fat},
        {"msdosfs", VolumeFormat::Fat},     {"fat", VolumeFormat::Fat},
        {"fat12", VolumeFormat::Fat12},     {"fat16", VolumeFormat::Fat16},
        {"fat32", VolumeFormat::Fat32},     {"exfat", VolumeFormat::ExFat},
        {"ntfs", VolumeFormat::Ntfs},       {"ntfs3", VolumeFormat::Ntfs},
        {"fuseblk", VolumeFormat::Unknown}, {"fuse", VolumeFormat::Unknown},
        {"", VolumeFormat::Unknown},
    };
    for (const Named& named : kNames) {
        if (SameIgnoringCase(type, named.name)) {
            return named.format;
        }
    }
    return VolumeFormat::Other;
}

bool CameraReads(VolumeFormat format) {
    switch (format) {
    case VolumeFormat::Fat:
    case VolumeFormat::Fat12:
    case VolumeFormat::Fat16:
    case VolumeFormat::Fat32:
    case VolumeFormat::ExFat:
        return true;
    default:
        return false;
    }
}

std::string FormatName(VolumeFormat format, std::string_view typeName) {
    switch (format) {
    case VolumeFormat::Fat:
        return "FAT";
    case VolumeFormat::Fat12:
        return "FAT12";
    case VolumeFormat::Fat16:
        return "FAT16";
    case VolumeFormat::Fat32:
        return "FAT32";
    case VolumeFormat::ExFat:
        return "exFAT";
    case VolumeFormat::Ntfs:
        return "NTFS";
    default:
        return std::string(typeName);
    }
}

std::optional<std::string> UdevProperty(std::string_view entry, std::string_view key) {
    const std::string prefix = "E:" + std::string(key) + "=";
    std::istringstream lines{std::string(entry)};
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(prefix)) {
            return line.substr(prefix.size());
        }
    }
    return std::nullopt;
}

}  // namespace tov::cards
