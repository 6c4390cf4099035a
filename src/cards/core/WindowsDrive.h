#pragma once

#include <string_view>

namespace tov::cards {

/// What Windows tells of a drive: GetDriveTypeW's kind and the storage driver's bus
/// (IOCTL_STORAGE_QUERY_PROPERTY), both read by the host part; kept here as plain values so
/// that the rule below runs on every host.
enum class DriveKind { Unknown, Removable, Fixed, Remote, CdRom, RamDisk };
enum class DriveBus { Unknown, Usb, Sd, Mmc, Other };

/// Whether the drive at `root` ("E:\") is a card: a removable drive, or a fixed one on a USB,
/// SD or MMC bus (card readers that call their media fixed), never the drive Windows runs
/// from (`systemRoot`, "C:\"), nor a network, optical or RAM drive.
bool IsCardDrive(std::wstring_view root, std::wstring_view systemRoot, DriveKind kind,
                 DriveBus bus);

/// The steps of an eject on Windows, each one DeviceIoControl on the opened volume.
class VolumeControl {
public:
    virtual ~VolumeControl() = default;
    virtual bool Lock() = 0;          ///< FSCTL_LOCK_VOLUME
    virtual bool Dismount() = 0;      ///< FSCTL_DISMOUNT_VOLUME
    virtual void AllowRemoval() = 0;  ///< IOCTL_STORAGE_MEDIA_REMOVAL, prevent off
    virtual bool EjectMedia() = 0;    ///< IOCTL_STORAGE_EJECT_MEDIA
    virtual void Wait(int milliseconds) = 0;
};

enum class EjectOutcome {
    Ejected,         ///< dismounted and out of the reader
    DismountedOnly,  ///< dismounted; the reader keeps the card until it is pulled
    Busy,            ///< the lock was refused: a program holds a file open on the volume
    NotDismounted,   ///< locked but the dismount failed: still in use by the system
};

/// Lock (retried: an indexer or a virus scanner lets go after a moment), dismount, allow
/// removal and eject. Nothing after a refused lock: a dismount without the lock would cut
/// off the programs that hold files open.
EjectOutcome EjectVolume(VolumeControl& volume);

}  // namespace tov::cards
