#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct CardsOptions {
    bool json = false;
};

struct BackupsOptions {
    bool json = false;
};

struct RestoreOptions {
    std::string backup;  ///< its id as `backups` lists it, or its file's path
    std::string outDir;  ///< a folder, or "card"
    CommonOptions common;
};

struct EjectOptions {
    std::optional<std::string> card;  ///< a mount point or label; not given: the only card
};

/// Lists the memory cards: mount point, label, file system, size, free space, the camera
/// files each holds, and why one cannot be used.
int RunCardsCommand(const CardsOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

/// Lists the kept backups, oldest first per card and file.
int RunBackupsCommand(const BackupsOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

/// Writes a backup back through the safe output, under the name of the file it was.
int RunRestoreCommand(const RestoreOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

/// Unmounts a card (and powers its reader off where it can) and says whether it may be
/// removed: exit 0 when it may, 1 when not, 2 when no card is meant.
int RunEjectCommand(const EjectOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace tov::cli
