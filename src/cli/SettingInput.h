#pragma once

#include "cli/CliOptions.h"
#include "common/SettingTexts.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tov::cli {

/// Where a file command's settings come from: a JSON settings file, then KEY=VALUE setters
/// over it.
struct SettingSources {
    std::optional<std::string> settingsFile;  ///< given, even if empty
    std::vector<std::string> setters;
};

/// The settings texts of a file command, encoded into the file's code page: the settings
/// file, then each --set over it. A refusal goes to `err` and there is no value: an unreadable
/// or malformed file, a setter without "=", a value with a character the code page lacks.
std::optional<SettingTexts> CollectSettings(const SettingSources& sources, const AppState& state,
                                            const FileTextCodec& codec, std::ostream& err);

}  // namespace tov::cli
