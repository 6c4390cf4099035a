#pragma once

#include "cli/CliOptions.h"

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tov::cli {

struct InspectOptions {
    std::string file;
    std::string model;  ///< empty: both families' readings of the model-dependent bytes
    bool json = false;
};

/// Adds the `inspect` command to the tool.
CLI::App& AddInspectCommand(CLI::App& app, InspectOptions& options);

/// Prints what a menu.dat holds and whether it is sound: exit 0 for a sound file, 3 for a
/// damaged one (the reasons are part of the report).
int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

}  // namespace tov::cli
