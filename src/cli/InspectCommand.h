#pragma once

#include "cli/CliOptions.h"
#include "common/FileReport.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct InspectOptions {
    std::string file;                  ///< a configuration file, or a folder holding them
    std::optional<std::string> model;  ///< not given: every model's reading
    std::optional<std::string> as;     ///< read the file as this file name ("setup.dat")
    bool json = false;
    bool showSecrets = false;  ///< show passwords instead of masking them
};

/// The file names inspect knows, for its help: "menu.dat".
std::string InspectedFileNames();

/// How inspect reads a file: the bytes, the model if known, whether to show passwords.
using FileDecoder = std::function<FileReport(std::span<const std::uint8_t> bytes,
                                             std::optional<int> model, bool showSecrets)>;
/// Every file inspect knows with its decoder, in inspect's order (the fuzz target reads them all).
std::vector<std::pair<std::string_view, FileDecoder>> InspectedDecoders();
/// The decoder of the file named `fileName` (in any case); null for a name inspect does not
/// know.
const FileDecoder* InspectedDecoderOf(std::string_view fileName);

/// Prints what a configuration file holds and whether it is sound, or, for a folder, each
/// configuration file in it. The file's name says what it is (a name the tool does not write
/// is read as menu.dat, or as `as`). Exit 0 for sound files, 4 for a sound file holding values
/// no form writes (the notes say which), 3 when one is damaged (the reasons are part of the
/// report), 2 when a file cannot be read. Entries of a folder are read as files only: a
/// folder or a link to one among them is reported, never entered.
int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err);

}  // namespace tov::cli
