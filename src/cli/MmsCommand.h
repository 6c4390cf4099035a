#pragma once

#include "cli/CliOptions.h"
#include "cli/SettingInput.h"

#include <ostream>
#include <string>

namespace tov::cli {

struct MmsOptions {
    CommonOptions common;
    std::string outDir;
    SettingSources settings;
};

/// The keys of the MMS settings, for the command's help.
std::string MmsKeysHelp();

/// Writes setup.dat into the folder: the MMS form's opening values for the model with the given
/// settings over them, refused where the form could not produce them, checked as Generate
/// checks them, with the operator preset in Auto mode.
int RunMmsCommand(const MmsOptions& options, CliEnvironment& env, std::ostream& out,
                  std::ostream& err);

}  // namespace tov::cli
