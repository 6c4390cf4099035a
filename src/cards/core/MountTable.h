#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tov::cards {

/// One line of a Linux mount table (/proc/self/mountinfo).
struct MountEntry {
    int id = 0;
    int parentId = 0;
    std::string device;      ///< "8:17": the mount's device numbers (0:N for FUSE mounts)
    std::string mountPoint;  ///< unescaped ("\040" is a space)
    bool readOnly = false;   ///< the mount's own options say "ro"
    std::string type;        ///< "vfat", "exfat", "fuseblk", "ext4"
    std::string source;      ///< "/dev/sdb1", "tmpfs"
};

/// Parses mountinfo text; lines that do not parse are skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

}  // namespace tov::cards
