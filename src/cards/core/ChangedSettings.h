#pragma once

#include "common/AppState.h"
#include "common/FileReport.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tov::cards {

/// The settings whose meaning differs between the file that was on the card and the new one
/// (as the decoders of `inspect` read them), in the files' order; a setting only one of them
/// holds counts too. The camera clock, set anew by every write, is no change.
std::vector<std::string> ChangedSettings(const FileReport& before, const FileReport& after);

/// "3 settings changed: videoLength, imageSize, timer1" with at most `shown` names, then
/// "and N more"; "no setting changed".
std::string ChangesText(const std::vector<std::string>& changed, int languageIndex = kEnglish,
                        std::size_t shown = 5);

/// What a write of `after` over `before` changes, in words: the changed settings, or that the
/// camera returns to its factory settings (the factory file holds no settings to count).
std::string ChangesBetween(const FileReport& before, const FileReport& after,
                           int languageIndex = kEnglish);

}  // namespace tov::cards
