#pragma once

#include "cli/CliOptions.h"

#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tov::cli {

struct MenuOptions {
    CommonOptions common;
    std::string outDir;
    std::string clock;                 ///< empty: the local clock
    std::string settingsFile;          ///< a JSON object of setting keys
    std::vector<std::string> setters;  ///< KEY=VALUE, over the settings file
    bool factory = false;
};

/// Adds the `menu` command to the tool.
CLI::App& AddMenuCommand(CLI::App& app, MenuOptions& options);

/// Writes menu.dat into the folder: the factory record, or the camera form's opening values
/// for the model with the given settings over them, checked as the form checks them.
int RunMenuCommand(const MenuOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err);

}  // namespace tov::cli
