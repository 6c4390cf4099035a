#include "cards/core/WindowsDrive.h"

namespace tov::cards {
namespace {

constexpr int kLockAttempts = 10;
constexpr int kLockPauseMs = 200;

wchar_t Upper(wchar_t letter) {
    return letter >= L'a' && letter <= L'z' ? static_cast<wchar_t>(letter - L'a' + L'A') : letter;
}

bool IsDriveRoot(std::wstring_view root) {
    const wchar_t letter = root.empty() ? L'\0' : Upper(root[0]);
    return root.size() >= 2 && letter >= L'A' && letter <= L'Z' && root[1] == L':';
}

}  // namespace

bool IsCardDrive(std::wstring_view root, std::wstring_view systemRoot, DriveKind kind,
                 DriveBus bus) {
    if (!IsDriveRoot(root) || (IsDriveRoot(systemRoot) && Upper(root[0]) == Upper(systemRoot[0]))) {
        return false;
    }
    switch (kind) {
    case DriveKind::Removable:
        return true;
    case DriveKind::Fixed:
        return bus == DriveBus::Usb || bus == DriveBus::Sd || bus == DriveBus::Mmc;
    default:
        return false;
    }
}

EjectOutcome EjectVolume(VolumeControl& volume) {
    bool locked = false;
    for (int attempt = 0; attempt < kLockAttempts && !locked; ++attempt) {
        if (attempt > 0) {
            volume.Wait(kLockPauseMs);
        }
        locked = volume.Lock();
    }
    if (!locked) {
        return EjectOutcome::Busy;
    }
    if (!volume.Dismount()) {
        return EjectOutcome::NotDismounted;
    }
    volume.AllowRemoval();
    return volume.EjectMedia() ? EjectOutcome::Ejected : EjectOutcome::DismountedOnly;
}

}  // namespace tov::cards
