#pragma once

#include <string>
#include <string_view>

namespace tov {

/// The main window's button and label texts in one language.
struct MainWindowTexts {
    std::string_view cameraButton;
    std::string_view mmsButton;
    std::string_view smtpButton;
    std::string_view updatesButton;
    std::string_view versionLine;
    std::string_view languageLabel;
    std::string_view modelLabel;
};

/// The texts for `languageIndex`; a code outside 1..11 gets the English texts.
const MainWindowTexts& MainTextsFor(int languageIndex);

/// What the updates button says when no browser could be opened: the address to open by hand;
/// Chinese when `languageIndex` is 1.
std::string NoBrowserMessage(std::string_view address, int languageIndex);

}  // namespace tov
