#pragma once

#include "cards/core/CardContents.h"

#include <string>

namespace tov {

/// What an eject did, in words for the user.
struct EjectResult {
    bool ok = false;      ///< the card may be removed now
    std::string message;  ///< says plainly whether the card may be removed, and why not
};

/// Unmounts the card and, where the system allows, powers its drive off. Linux: UDisks2
/// (Filesystem.Unmount, then Drive.PowerOff where the drive can), `umount` where UDisks2 is
/// absent; Windows: lock, dismount and eject the volume (the card, not the reader); macOS:
/// `diskutil eject` (untested).
EjectResult EjectCard(const cards::Card& card);

}  // namespace tov
