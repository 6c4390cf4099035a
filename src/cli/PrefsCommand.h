#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct PrefsOptions {
    std::optional<std::string> tvMode;  ///< not given: only show the preferences
};

/// Prints the stored language, model and TvMode and where they are kept; with a TV mode,
/// stores it as "TvMode" first.
int RunPrefsCommand(const PrefsOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace tov::cli
