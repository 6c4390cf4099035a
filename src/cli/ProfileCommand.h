#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct ProfileOptions {
    std::string source;                ///< a card, a folder, or one configuration file
    std::string out;                   ///< the profile's path, or "-" for standard output
    std::optional<std::string> model;  ///< not given: the model the files tell
    bool includeSecrets = false;       ///< keep the passwords (the profile becomes owner-only)
    bool force = false;                ///< replace a read-only profile
};

/// `profile`: saves the settings of a card's or folder's files (or one file) as a profile.
/// Passwords only with `includeSecrets`; such a profile says so in its first member and is
/// made owner-only (0600), also when it replaces another. Files whose settings cannot be
/// written again refuse the profile with the reason (exit 2); nothing is written.
int RunProfileCommand(const ProfileOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

}  // namespace tov::cli
