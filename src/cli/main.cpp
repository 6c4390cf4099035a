#include "app/SettingsPreferenceBackend.h"
#include "app/SystemLanguage.h"
#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    tov::SettingsPreferenceBackend preferences;
    tov::cli::CliEnvironment env{preferences, tov::SystemDefaultLanguageId(),
                                 tov::cli::ReadLocalClock};
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tov::cli::RunCommandLine(args, env, std::cout, std::cerr);
}
