#pragma once

#include "common/FileReport.h"
#include "common/Models.h"
#include "common/RecordFile.h"
#include "mms/core/MmsChecks.h"
#include "mms/core/MmsSettings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tov {

inline constexpr std::string_view kMmsFileName = "setup.dat";

/// The plain records of setup.dat for the model: the header (the settings where the field
/// table puts them, the MMS Send code of the model's family, the language byte, the TV mode's
/// low byte, 0x80 for the country in Manual mode) and the ten text records.
RecordFileBody BuildMmsRecords(const MmsSettings& settings, const ModelInfo& model,
                               int languageByte, int tvMode);

/// The 720 stored bytes of setup.dat: the records scrambled, then the trailer whose check has
/// 18 added in International format.
std::vector<std::uint8_t> BuildMmsFile(const MmsSettings& settings, const ModelInfo& model,
                                       int languageByte, int tvMode);

/// What Generate writes, or why it writes nothing: the recipient and access checks, the
/// operator preset in Auto mode (into a copy: the form's own texts stay empty), the SMS Remote
/// Control check, then the file.
struct MmsFileOutcome {
    std::vector<std::uint8_t> bytes;
    std::optional<MmsProblem> problem;
};
MmsFileOutcome GenerateMmsFile(const MmsSettings& settings, const ModelInfo& model,
                               int languageByte, int tvMode);

/// The settings that plain records hold, as the field table reads them back.
MmsSettings ReadMmsSettings(const RecordFileBody& plain, Family family);

/// What a setup.dat holds and whether it is sound: its size (720), the line ends of its twelve
/// records, the trailer's check (plus 18 when header byte 7 says International), and every
/// header field and text with its meaning. Header byte 0 is read for `modelIndex`'s family,
/// or for both families without it. Passwords are masked unless `showSecrets`. Texts are
/// shown as bytes: printable ASCII as itself, any other byte as \xNN.
FileReport DecodeMmsFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                         bool showSecrets);

}  // namespace tov
