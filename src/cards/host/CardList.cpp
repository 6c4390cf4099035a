#include "cards/host/CardList.h"

#include "cards/core/CardFinder.h"
#include "cards/core/MountTable.h"
#include "cards/core/WindowsDrive.h"
#include "common/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <winioctl.h>
// clang-format on
#endif

namespace tov {
namespace {

cards::Card CardFromStorage(const QStorageInfo& storage, const std::string& typeName) {
    cards::Card card;
    card.mountPoint = QDir::toNativeSeparators(storage.rootPath()).toStdString();
    card.label = storage.name().toStdString();
    card.device = storage.device().toStdString();
    card.totalBytes = static_cast<std::uint64_t>(std::max<qint64>(storage.bytesTotal(), 0));
    card.freeBytes = static_cast<std::uint64_t>(std::max<qint64>(storage.bytesAvailable(), 0));
    card.readOnly = storage.isReadOnly();
    card.format = cards::FormatFromTypeName(typeName);
    card.fileSystem = cards::FormatName(card.format, typeName);
    return card;
}

void Finish(cards::Card& card) {
    if (card.label.empty()) {
        card.label = QDir(QString::fromStdString(card.mountPoint)).dirName().toStdString();
    }
    // A drive's root ("E:\") has no folder name: the drive's name ("E:") stands in.
    if (card.label.empty()) {
        card.label = card.mountPoint.substr(0, card.mountPoint.find_last_not_of("\\/") + 1);
    }
    cards::ReadCameraContents(card);
}

#if defined(_WIN32)

cards::DriveKind KindOf(const std::wstring& root) {
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_REMOVABLE:
        return cards::DriveKind::Removable;
    case DRIVE_FIXED:
        return cards::DriveKind::Fixed;
    case DRIVE_REMOTE:
        return cards::DriveKind::Remote;
    case DRIVE_CDROM:
        return cards::DriveKind::CdRom;
    case DRIVE_RAMDISK:
        return cards::DriveKind::RamDisk;
    default:
        return cards::DriveKind::Unknown;
    }
}

// The drive's bus, as the storage driver says; Unknown where the volume cannot be asked.
cards::DriveBus BusOf(wchar_t letter) {
    const std::wstring volume = std::wstring(L"\\\\.\\") + letter + L":";
    HANDLE handle = CreateFileW(volume.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return cards::DriveBus::Unknown;
    }
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    std::array<std::uint8_t, 1024> buffer{};
    DWORD returned = 0;
    const bool ok =
        DeviceIoControl(handle, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, buffer.data(),
                        static_cast<DWORD>(buffer.size()), &returned, nullptr) != 0;
    CloseHandle(handle);
    if (!ok || returned < sizeof(STORAGE_DEVICE_DESCRIPTOR)) {
        return cards::DriveBus::Unknown;
    }
    STORAGE_DEVICE_DESCRIPTOR descriptor{};
    std::memcpy(&descriptor, buffer.data(), sizeof descriptor);
    switch (descriptor.BusType) {
    case BusTypeUsb:
        return cards::DriveBus::Usb;
    case BusTypeSd:
        return cards::DriveBus::Sd;
    case BusTypeMmc:
        return cards::DriveBus::Mmc;
    default:
        return cards::DriveBus::Other;
    }
}

std::vector<cards::Card> ListPlatformCards() {
    std::array<wchar_t, MAX_PATH> windows{};
    const UINT length = GetWindowsDirectoryW(windows.data(), MAX_PATH);
    const std::wstring systemRoot(windows.data(), length < MAX_PATH ? length : 0);
    std::vector<cards::Card> found;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const std::wstring root = QDir::toNativeSeparators(storage.rootPath()).toStdWString();
        const cards::DriveKind kind = KindOf(root);
        // The bus is asked only of fixed drives: a removable one is a card whatever its bus.
        const cards::DriveBus bus = kind == cards::DriveKind::Fixed && !root.empty()
                                        ? BusOf(root[0])
                                        : cards::DriveBus::Unknown;
        if (!storage.isValid() || !storage.isReady() ||
            !cards::IsCardDrive(root, systemRoot, kind, bus)) {
            continue;
        }
        found.push_back(CardFromStorage(storage, storage.fileSystemType().toStdString()));
        found.back().device = "\\\\.\\" + QString::fromStdWString(root.substr(0, 2)).toStdString();
        DWORD serial = 0;
        if (GetVolumeInformationW(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr,
                                  0)) {
            found.back().serial = cards::VolumeSerialText(serial);
        }
    }
    return found;
}

#elif defined(__APPLE__)

// Untested: volumes under /Volumes but the one the system started from.
std::vector<cards::Card> ListPlatformCards() {
    std::vector<cards::Card> found;
    const QStorageInfo boot = QStorageInfo::root();
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.rootPath().startsWith("/Volumes/") || storage.device() == boot.device()) {
            continue;
        }
        found.push_back(CardFromStorage(storage, storage.fileSystemType().toStdString()));
    }
    return found;
}

#else

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The volume's own format and serial from its first sector; a FUSE mount says only
// "fuseblk", and "vfat" does not say which FAT. Needs the right to read the device (root, or
// the disk group).
struct BootSectorFacts {
    cards::VolumeFormat format = cards::VolumeFormat::Unknown;
    std::string serial;
};

BootSectorFacts ReadBootSector(const std::string& device) {
    std::ifstream in(device, std::ios::binary);
    std::array<std::uint8_t, 512> sector{};
    if (!in.read(reinterpret_cast<char*>(sector.data()), sector.size())) {
        return {};
    }
    return {cards::FormatFromBootSector(sector), cards::VolumeSerialFromBootSector(sector)};
}

// The udev database entry of a block device ("E:ID_FS_TYPE=exfat"), readable by every user.
std::string UdevEntry(const std::string& deviceName) {
    std::string numbers = ReadText("/sys/class/block/" + deviceName + "/dev");
    while (!numbers.empty() && (numbers.back() == '\n' || numbers.back() == ' ')) {
        numbers.pop_back();
    }
    return numbers.empty() ? std::string() : ReadText("/run/udev/data/b" + numbers);
}

std::vector<cards::Card> ListPlatformCards() {
    const char* user = std::getenv("USER");
    const std::vector<cards::MountEntry> mounts =
        cards::CardMounts(cards::ParseMountInfo(ReadText("/proc/self/mountinfo")), "/sys",
                          user != nullptr ? user : "");
    std::vector<cards::Card> found;
    for (const cards::MountEntry& mount : mounts) {
        const QStorageInfo storage(QString::fromStdString(mount.mountPoint));
        cards::Card card = CardFromStorage(storage, mount.type);
        card.mountPoint = mount.mountPoint;
        card.device = mount.source;
        card.readOnly = card.readOnly || mount.readOnly;
        const std::string udev = UdevEntry(QFileInfo(QString::fromStdString(mount.source))
                                               .canonicalFilePath()
                                               .section('/', -1)
                                               .toStdString());
        const BootSectorFacts boot = ReadBootSector(mount.source);
        cards::VolumeFormat format = boot.format;
        // udev's UUID of a FAT or exFAT volume is its serial, for users who cannot read the
        // device itself.
        card.serial = !boot.serial.empty() ? boot.serial
                                           : cards::UdevProperty(udev, "ID_FS_UUID").value_or("");
        std::string typeName = mount.type;
        if (format == cards::VolumeFormat::Unknown) {
            typeName = cards::UdevProperty(udev, "ID_FS_TYPE").value_or(mount.type);
            format = cards::FormatFromTypeName(typeName);
        }
        if (format != cards::VolumeFormat::Unknown || card.format == cards::VolumeFormat::Unknown) {
            card.format = format;
            card.fileSystem = cards::FormatName(format, typeName);
        }
        if (card.label.empty()) {
            card.label = cards::UdevProperty(udev, "ID_FS_LABEL").value_or("");
        }
        found.push_back(std::move(card));
    }
    return found;
}

#endif

}  // namespace

std::vector<cards::Card> ListCards() {
    std::vector<cards::Card> cards = ListPlatformCards();
    for (cards::Card& card : cards) {
        Finish(card);
        card.volumeId = VolumeIdOf(std::filesystem::u8path(card.mountPoint));
    }
    return cards;
}

}  // namespace tov
