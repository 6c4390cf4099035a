#pragma once

#include "cli/CliOptions.h"

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tov::cli {

struct PrefsOptions {
    std::string tvMode;  ///< empty: only show the preferences
};

/// Adds the `prefs` command to the tool.
CLI::App& AddPrefsCommand(CLI::App& app, PrefsOptions& options);

/// Prints the stored language, model and TvMode and where they are kept; with a TV mode,
/// stores it as "TvMode" first.
int RunPrefsCommand(const PrefsOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace tov::cli
