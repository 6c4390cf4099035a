#include "cards/core/CardFinder.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace tov::cards {
namespace {

std::string FirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string DeviceName(std::string_view source) {
    return std::filesystem::path(source).filename().string();
}

bool IsBlockSource(const MountEntry& mount) {
    return mount.source.starts_with("/dev/");
}

const MountEntry* ParentOf(const MountEntry& mount, const std::vector<MountEntry>& mounts) {
    const auto parent = std::find_if(mounts.begin(), mounts.end(),
                                     [&](const MountEntry& m) { return m.id == mount.parentId; });
    return parent == mounts.end() ? nullptr : &*parent;
}

// Whether a mount made later covers `mount`: one at the same place, or at a folder above it.
// What it held is out of sight there, and its size and files are those of the other.
bool HiddenByLaterMount(std::size_t index, const std::vector<MountEntry>& mounts) {
    const std::string& place = mounts[index].mountPoint;
    for (std::size_t later = index + 1; later < mounts.size(); ++later) {
        const std::string& over = mounts[later].mountPoint;
        if (over == place || place.starts_with(over == "/" ? over : over + "/")) {
            return true;
        }
    }
    return false;
}

}  // namespace

BlockFacts ReadBlockFacts(const std::filesystem::path& sysRoot, std::string_view name) {
    BlockFacts facts;
    std::error_code ec;
    const std::filesystem::path device =
        std::filesystem::canonical(sysRoot / "class" / "block" / std::string(name), ec);
    if (ec) {
        return facts;
    }
    const bool partition = std::filesystem::exists(device / "partition", ec);
    const std::filesystem::path disk = partition ? device.parent_path() : device;
    facts.disk = disk.filename().string();
    facts.removable = FirstLine(disk / "removable") == "1";
    const std::string where = disk.generic_string();
    facts.usb = where.find("/usb") != std::string::npos;
    facts.mmc = where.find("/mmc") != std::string::npos;
    return facts;
}

bool IsAutomountPlace(std::string_view mountPoint, std::string_view user) {
    const std::filesystem::path place(mountPoint);
    const std::string parent = place.parent_path().generic_string();
    if (place.filename().empty()) {
        return false;
    }
    if (parent == "/media") {
        return true;
    }
    return !user.empty() &&
           (parent == "/media/" + std::string(user) || parent == "/run/media/" + std::string(user));
}

std::vector<MountEntry> CardMounts(const std::vector<MountEntry>& mounts,
                                   const std::filesystem::path& sysRoot, std::string_view user) {
    std::string systemDisk;
    for (const MountEntry& mount : mounts) {
        if (mount.mountPoint == "/" && IsBlockSource(mount)) {
            systemDisk = ReadBlockFacts(sysRoot, DeviceName(mount.source)).disk;
        }
    }
    std::vector<MountEntry> cards;
    std::set<std::string> seen;
    for (std::size_t index = 0; index < mounts.size(); ++index) {
        const MountEntry& mount = mounts[index];
        if (!IsBlockSource(mount) || mount.mountPoint == "/" || seen.count(mount.source) != 0 ||
            HiddenByLaterMount(index, mounts)) {
            continue;
        }
        const BlockFacts facts = ReadBlockFacts(sysRoot, DeviceName(mount.source));
        // A source that names no block device the system has (a memory file system mounted
        // with "/dev/sdz1" as its name) is no card: unmounting it would lose what it holds.
        if (facts.disk.empty() || (!systemDisk.empty() && facts.disk == systemDisk)) {
            continue;
        }
        const MountEntry* parent = ParentOf(mount, mounts);
        const bool ownDevice = parent == nullptr || parent->device != mount.device;
        if ((IsAutomountPlace(mount.mountPoint, user) && ownDevice) || facts.removable ||
            facts.usb || facts.mmc) {
            seen.insert(mount.source);
            cards.push_back(mount);
        }
    }
    return cards;
}

}  // namespace tov::cards
