#include "cli/CommandLine.h"

#include "cli/InspectCommand.h"
#include "cli/MenuCommand.h"
#include "cli/PrefsCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tov::cli {

int RunCommandLine(const std::vector<std::string>& args, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    CLI::App app("Writes and checks the configuration files of the Tov Brenn cameras",
                 "tovbrenn-cli");
    app.set_version_flag("--version", TOV_VERSION_TEXT);
    app.require_subcommand(1);

    PrefsOptions prefs;
    MenuOptions menu;
    InspectOptions inspect;
    const CLI::App& prefsCommand = AddPrefsCommand(app, prefs);
    const CLI::App& menuCommand = AddMenuCommand(app, menu);
    const CLI::App& inspectCommand = AddInspectCommand(app, inspect);

    try {
        // The parser takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        // Help and version end the run successfully; every other parse error is a usage error.
        return app.exit(e, out, err) == 0 ? kExitOk : kExitBadInput;
    }

    if (prefsCommand.parsed()) {
        return RunPrefsCommand(prefs, env, out, err);
    }
    if (menuCommand.parsed()) {
        return RunMenuCommand(menu, env, out, err);
    }
    if (inspectCommand.parsed()) {
        return RunInspectCommand(inspect, env, out, err);
    }
    return kExitBadInput;
}

}  // namespace tov::cli
