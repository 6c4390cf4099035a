#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tov::profiles {

/// The rows of a CSV text (RFC 4180: comma-separated, fields in double quotes may hold commas,
/// line ends and doubled quotes; CRLF or LF line ends; a final line end optional; blank lines
/// skipped). Each row keeps the line it starts on. No value, with `error` naming the line,
/// for a quote left open or text after a closing quote.
struct CsvRow {
    int line = 0;
    std::vector<std::string> cells;
};
std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, std::string& error);

/// One CSV line (without its line end) of `cells`, quoted where a cell needs it.
std::string CsvLine(const std::vector<std::string>& cells);

}  // namespace tov::profiles
