#pragma once

#include "cards/core/CardContents.h"

#include <string>

namespace tov {

using cards::EjectResult;

/// Unmounts the card and, where the system allows, powers its drive off. Linux: UDisks2
/// (Filesystem.Unmount, then Drive.PowerOff where the drive can), `umount` where UDisks2 is
/// absent; Windows: lock, dismount and eject the volume (the card, not the reader); macOS:
/// `diskutil eject` (untested).
EjectResult EjectCard(const cards::Card& card, int languageIndex = kEnglish);

}  // namespace tov
