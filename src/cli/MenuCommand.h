#pragma once

#include "cli/CliOptions.h"
#include "cli/SettingInput.h"

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct MenuOptions {
    CommonOptions common;
    std::string outDir;
    std::optional<std::string> clock;  ///< not given: the local clock
    SettingSources settings;
    bool factory = false;
};

/// The keys of the camera settings, for the command's help.
std::string MenuKeysHelp();

/// Writes menu.dat into the folder: the factory record, or the camera form's opening values
/// for the model with the given settings over them, checked as the form checks them.
int RunMenuCommand(const MenuOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err);

}  // namespace tov::cli
