#pragma once

#include "cli/CliOptions.h"

#include <ostream>
#include <string>
#include <vector>

namespace tov::cli {

/// Runs the tool on `args` (the arguments after the program name) and returns the exit
/// code: --help and --version, then one of the commands prefs, menu and inspect.
int RunCommandLine(const std::vector<std::string>& args, CliEnvironment& env, std::ostream& out,
                   std::ostream& err);

}  // namespace tov::cli
