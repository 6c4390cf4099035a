#include "cards/core/VolumeFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace tov::cards {
namespace {

using Sector = std::array<std::uint8_t, 512>;

void Put16(Sector& s, std::size_t at, unsigned value) {
    s[at] = static_cast<std::uint8_t>(value & 0xFF);
    s[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Sector& s, std::size_t at, std::uint32_t value) {
    Put16(s, at, value & 0xFFFF);
    Put16(s, at + 2, value >> 16);
}

// A FAT boot sector with one sector per cluster, one reserved sector, one FAT of one sector
// and no root folder area: its data area holds exactly `clusters` clusters.
Sector FatSector(std::uint32_t clusters) {
    Sector s{};
    s[0] = 0xEB;
    s[1] = 0x3C;
    s[2] = 0x90;
    Put16(s, 11, 512);
    s[13] = 1;
    Put16(s, 14, 1);
    s[16] = 1;
    Put16(s, 17, 0);
    Put32(s, 32, 2 + clusters);
    Put16(s, 22, 1);
    s[510] = 0x55;
    s[511] = 0xAA;
    return s;
}

Sector NamedSector(const char* name) {
    Sector s{};
    s[0] = 0xEB;
    std::memcpy(&s[3], name, 8);
    s[510] = 0x55;
    s[511] = 0xAA;
    return s;
}

// The FAT type follows from the count of clusters alone: fewer than 4085 is FAT12, fewer
// than 65525 FAT16, more FAT32 (Microsoft's FAT specification, "FAT Type Determination").
TEST(VolumeFormat, FatTypeByClusterCount) {
    struct Case {
        std::uint32_t clusters;
        VolumeFormat expected;
    };
    const Case cases[] = {
        {1, VolumeFormat::Fat12},     {4084, VolumeFormat::Fat12},
        {4085, VolumeFormat::Fat16},  {65524, VolumeFormat::Fat16},
        {65525, VolumeFormat::Fat32}, {30'000'000, VolumeFormat::Fat32},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFromBootSector(FatSector(c.clusters)), c.expected) << c.clusters;
    }
}

TEST(VolumeFormat, NamedAndDamagedSectors) {
    EXPECT_EQ(FormatFromBootSector(NamedSector("EXFAT   ")), VolumeFormat::ExFat);
    EXPECT_EQ(FormatFromBootSector(NamedSector("NTFS    ")), VolumeFormat::Ntfs);
    Sector unsigned_ = FatSector(5000);
    unsigned_[511] = 0;
    EXPECT_EQ(FormatFromBootSector(unsigned_), VolumeFormat::Unknown);
    Sector zeroCluster = FatSector(5000);
    zeroCluster[13] = 0;  // no sectors per cluster: no FAT volume
    EXPECT_EQ(FormatFromBootSector(zeroCluster), VolumeFormat::Unknown);
    Sector oddCluster = FatSector(5000);
    oddCluster[13] = 3;
    EXPECT_EQ(FormatFromBootSector(oddCluster), VolumeFormat::Unknown);
    EXPECT_EQ(FormatFromBootSector(Sector{}), VolumeFormat::Unknown);
    const Sector whole = FatSector(5000);
    EXPECT_EQ(FormatFromBootSector(std::span(whole).first(100)), VolumeFormat::Unknown);
}

TEST(VolumeFormat, TypeNamesAndWhatTheCameraReads) {
    struct Case {
        std::string_view type;
        VolumeFormat format;
        std::string_view name;
        bool cameraReads;
    };
    const Case cases[] = {
        {"vfat", VolumeFormat::Fat, "FAT", true},
        {"exfat", VolumeFormat::ExFat, "exFAT", true},
        {"ntfs3", VolumeFormat::Ntfs, "NTFS", false},
        {"ext4", VolumeFormat::Other, "ext4", false},
        {"fuseblk", VolumeFormat::Unknown, "fuseblk", false},
        {"FAT32", VolumeFormat::Fat32, "FAT32", true},
    };
    for (const Case& c : cases) {
        const VolumeFormat format = FormatFromTypeName(c.type);
        EXPECT_EQ(format, c.format) << c.type;
        EXPECT_EQ(FormatName(format, c.type), c.name);
        EXPECT_EQ(CameraReads(format), c.cameraReads) << c.type;
    }
}

TEST(VolumeFormat, UdevDatabaseEntry) {
    const std::string entry = "S:disk/by-uuid/1234-ABCD\nE:ID_FS_TYPE=exfat\nE:ID_FS_LABEL=TOV\n";
    EXPECT_EQ(UdevProperty(entry, "ID_FS_TYPE"), "exfat");
    EXPECT_EQ(UdevProperty(entry, "ID_FS_LABEL"), "TOV");
    EXPECT_EQ(UdevProperty(entry, "ID_FS"), std::nullopt);
}

}  // namespace
}  // namespace tov::cards
