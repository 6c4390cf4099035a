#pragma once

#include "cards/core/BackupStore.h"
#include "cards/core/CardContents.h"
#include "cli/OperatorsCommand.h"
#include "common/AppState.h"
#include "common/FileReport.h"
#include "common/SettingTexts.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cli {

// The one place that knows the JSON library: settings files in, reports out.

/// The settings of a JSON settings file: one object of numbers and texts by key. A refusal
/// (not JSON, not an object, another kind of value, a key given twice) goes to `err`,
/// starting with `where` (the option and path), in the language of `state`.
std::optional<SettingTexts> ParseSettingsJson(std::string_view text, const std::string& where,
                                              const AppState& state, std::ostream& err);

/// A file report as one JSON object (valid JSON whatever bytes the file name holds);
/// `formWritten`: whether a form writes such a file ("writtenByAForm").
/// `settings`: a profile's JSON (the file's settings), added as "settings".
std::string FileReportJson(const std::string& file, const FileReport& report,
                           std::optional<int> model, bool formWritten = true,
                           const std::string& settings = {});

/// A folder's report: the profile of its files (`profile`, a profile's JSON) with the report
/// of each file in "reports", so that the whole is a profile again.
std::string FolderReportJson(const std::string& profile, const std::vector<std::string>& reports);

/// An operator catalogue as one JSON object: {"catalogue": ..., "countries": [...]}.
std::string OperatorsJson(std::string_view catalogue, const std::vector<CountryListing>& countries);

/// The memory cards as one JSON object: {"cards": [...]}.
std::string CardsJson(const std::vector<cards::Card>& cards);

/// The kept backups as one JSON object: {"folder": ..., "backups": [...]}.
std::string BackupsJson(const std::string& folder, const std::vector<cards::Backup>& backups);

}  // namespace tov::cli
