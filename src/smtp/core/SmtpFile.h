#pragma once

#include "common/AppState.h"
#include "common/FileReport.h"
#include "common/RecordFile.h"
#include "smtp/core/SmtpSettings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tov {

inline constexpr std::string_view kSmtpFileName = "smtp.dat";

/// The sender's user name the camera logs in with: the bytes of the address before its first
/// "@" (all of it when it has none).
std::string_view SenderUserName(std::string_view senderEmail);

/// The plain records 0..10 of smtp.dat for the family's form.
RecordFileBody BuildSmtpRecords(const SmtpSettings& settings, Family family, int languageByte);

/// The 720 stored bytes of smtp.dat: the records scrambled, then the trailer with the check.
std::vector<std::uint8_t> BuildSmtpFile(const SmtpSettings& settings, Family family,
                                        int languageByte);

/// The settings records of the family hold, as the field table reads them back; the folder
/// keeps its opening value.
SmtpSettings ReadSmtpSettings(const RecordFileBody& plain, Family family);

/// What an smtp.dat holds and whether it is sound: size, line ends, the trailer's check (CRC
/// plus 15), and every field. With `modelIndex` the model's family reads header bytes 6..8;
/// without it both readings are given. Passwords are masked unless `showSecrets`. Sections:
/// "fields", then "firstFamily" and "secondFamily".
FileReport DecodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                          bool showSecrets);

}  // namespace tov
