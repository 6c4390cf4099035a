#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct InspectOptions {
    std::string file;
    std::optional<std::string> model;  ///< not given: every model's reading
    bool json = false;
};

/// Prints what a menu.dat holds and whether it is sound: exit 0 for a sound file, 3 for a
/// damaged one (the reasons are part of the report), 2 when it cannot be read.
int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

}  // namespace tov::cli
