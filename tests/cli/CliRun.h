#pragma once

#include "cli/CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

namespace tov::test {

/// What one in-process run of the command line gave.
struct CliRun {
    int code;
    std::string out;
    std::string err;
};

/// Runs the command line in this process with `env`, keeping what it prints.
inline CliRun RunCli(const std::vector<std::string>& args, cli::CliEnvironment& env) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine(args, env, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace tov::test
