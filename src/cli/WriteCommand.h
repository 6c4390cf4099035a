#pragma once

#include "writes/core/WriteTransaction.h"

#include "cli/CliOptions.h"
#include "cli/PreparedFile.h"
#include "profiles/core/Profile.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tov::cli {

struct ProfileWriteOptions {
    CommonOptions common;
    std::string outDir;
    std::string settings;              ///< the profile: a file, or "-" for standard input
    std::optional<std::string> clock;  ///< not given: the local clock
    std::vector<std::string> setters;  ///< KEY=VALUE or FILE.KEY=VALUE over the profile
};

/// Applies KEY=VALUE setters over the profile (SetOverProfile); a setter without "=" or with
/// a key no file of the profile takes is refused on `err`, prefixed with `where`.
bool ApplySetters(profiles::Profile& profile, const std::vector<std::string>& setters,
                  const AppState& state, const std::string& where, std::ostream& err);

/// Whether the first line of a batch's cards file names its columns as they must be: each
/// once, and after "destination" only settings of a file the profile holds, whether or not a
/// row gives them a value. The refusal goes to `err`, led by `where`.
bool CheckCardColumns(const profiles::Profile& profile, const std::vector<std::string>& header,
                      const AppState& state, const std::string& where, std::ostream& err);

/// Checks every file of the profile for the state, as each file command would: the files
/// ready to write, or nothing, with each refusal on `err` led by its file's name.
std::optional<std::vector<PreparedFile>>
PrepareProfileFiles(const profiles::Profile& profile, const AppState& state,
                    const std::optional<std::string>& clock, CliEnvironment& env,
                    std::ostream& err);

/// Writes the prepared files one after the other into the destination through the write
/// transaction (a card destination checked before each); after each a line "FILE: written" on
/// `out`. The first failure stops the rest ("FILE: not written"). Exit 0, or the failure's code.
int WritePreparedFiles(const std::vector<PreparedFile>& files,
                       const writes::Destination& destination, const AppState& state,
                       const CommonOptions& options, CliEnvironment& env, std::ostream& out,
                       std::ostream& err);

/// `write`: every file a profile holds for its model (or --model), all checked before any is
/// written; nothing is written when one is refused (exit 2).
int RunWriteCommand(const ProfileWriteOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace tov::cli
