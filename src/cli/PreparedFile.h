#pragma once

#include "cli/CliOptions.h"
#include "common/AppState.h"
#include "common/SettingTexts.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cli {

/// A file checked and built, ready for the safe output.
struct PreparedFile {
    std::string_view fileName;
    std::vector<std::uint8_t> bytes;
    bool holdsPasswords = false;  ///< created owner-only
    std::optional<std::string> confirmation;
};

/// The file of each command from setting texts already in the file's code page, checked as
/// the form checks them; a refusal goes to `err` and there is no value. `clock` (menu.dat):
/// the --clock text, not given: the local clock.
std::optional<PreparedFile> PrepareMenuFile(const SettingTexts& texts, const AppState& state,
                                            const std::optional<std::string>& clock,
                                            CliEnvironment& env, std::ostream& err);
std::optional<PreparedFile> PrepareMmsFile(const SettingTexts& texts, const AppState& state,
                                           std::ostream& err);
std::optional<PreparedFile> PrepareSmtpFile(const SettingTexts& texts, const AppState& state,
                                            std::ostream& err);

}  // namespace tov::cli
