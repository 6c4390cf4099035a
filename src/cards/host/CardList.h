#pragma once

#include "cards/core/CardContents.h"

#include <vector>

namespace tov {

/// The memory cards mounted now, with their label, file system (read from the volume's boot
/// sector where the mount table does not tell it), sizes and camera files. Linux: the mount
/// table and sysfs; Windows: removable drives and drives on a USB or SD bus, never the system
/// drive; macOS: volumes under /Volumes but the boot volume (untested).
std::vector<cards::Card> ListCards();

}  // namespace tov
