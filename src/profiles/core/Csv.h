#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tov::profiles {

/// The rows of a CSV text (RFC 4180: comma-separated, fields in double quotes may hold commas,
/// line ends and doubled quotes; CRLF or LF line ends; a final line end optional; blank lines
/// skipped; a UTF-8 byte-order mark at the start, as spreadsheets save one, read over). Each row
/// keeps the line it starts on. No value, with `error` naming the line,
/// for a quote left open or text after a closing quote.
struct CsvRow {
    int line = 0;
    std::vector<std::string> cells;
};
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, std::string& error);

/// One CSV line (without its line end) of `cells`, quoted where a cell needs it.
std::string CsvLine(const std::vector<std::string>& cells);

/// A cell of a log that a spreadsheet will open, made safe: one starting with "=", "+", "-",
/// "@", a tab or a carriage return gets a leading apostrophe, so that it is not taken for a
/// formula; control characters, invisible formatting characters and bytes that are no UTF-8
/// become escapes ("\x1B", "\n") as in every message, so that neither a terminal nor a
/// spreadsheet acts on them.
std::string SafeLogCell(std::string_view cell);

/// One CSV line of a log: CsvLine of each cell made a SafeLogCell.
std::string CsvLogLine(const std::vector<std::string>& cells);

/// Why the first line of a CSV does not name its columns once each: the column (counted from
/// 1) that has no name or repeats an earlier one, with that name; spaces around a name do not
/// count. Empty when every name is given once.
std::string ColumnNamesRefusal(const std::vector<std::string>& names);

}  // namespace tov::profiles
