#pragma once

#include <filesystem>

namespace tov {

/// Where the files a write replaces are kept: $TOVBRENN_BACKUPS when set (tests, support),
/// else "tovbrenn/backups" in the user's data folder (~/.local/share on Linux, %APPDATA% on
/// Windows, ~/Library/Application Support on macOS).
std::filesystem::path BackupsFolder();

}  // namespace tov
