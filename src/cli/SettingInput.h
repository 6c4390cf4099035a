#pragma once

#include "cli/CliOptions.h"
#include "common/SettingTexts.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
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
/// or malformed file, a setter without "=", a value with a control or invisible formatting
/// character or a character the code page lacks (named by its position; the character too,
/// unless the key is one of `secretKeys`). No message repeats the settings file's content.
std::optional<SettingTexts> CollectSettings(const SettingSources& sources, const AppState& state,
                                            const FileTextCodec& codec, std::ostream& err,
                                            const std::vector<std::string_view>& secretKeys = {});

}  // namespace tov::cli
