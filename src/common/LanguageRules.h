#pragma once

#include "common/AppState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

/// The language code a system starts with when no preference is stored: 1 for 0x0804,
/// 3 for 0x1407 (German as used in Liechtenstein, not 0x0407), 2 for every other identifier.
int DefaultLanguageCode(std::uint16_t systemLangId);

/// Start-up: fills `systemIsChinese`, `languageIndex` and `chineseChosen` from the system
/// identifier and the stored code. On a non-Chinese system a stored 1 shows English texts
/// while the list keeps the Chinese entry chosen.
void ApplyStartupLanguage(AppState& state, std::uint16_t systemLangId, int storedLanguage);

/// The eleven entries of the language list; the first reads "中文" on a Chinese system.
std::array<std::string_view, kLanguageCount> LanguageListEntries(bool systemIsChinese);

/// The list position the main window selects for the state.
int LanguageListSelection(const AppState& state);

/// The user picked list position `position`: updates the state and returns the value to
/// store as the "language" preference.
int ChooseLanguage(AppState& state, int position);

}  // namespace tov
