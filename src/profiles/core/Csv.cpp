#include "profiles/core/Csv.h"

#include "common/Text.h"

#include <algorithm>

namespace tov::profiles {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, std::string& error) {
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    std::string cell;
    int line = 1;
    bool quoted = false;     // inside quotes
    bool wasQuoted = false;  // the cell had quotes: only a separator may follow
    bool any = false;        // the row holds something
    const auto endCell = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        if (any) {
            rows.push_back(std::move(row));
        }
        row = CsvRow{line, {}};
        any = false;
    };
    for (std::size_t i = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
         i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                cell += c;
            }
            continue;
        }
        if (c == ',') {
            endCell();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRow();
        } else if (wasQuoted) {
            error = "line " + std::to_string(line) + ": text after a closing quote";
            return std::nullopt;
        } else if (c == '"' && cell.empty()) {
            quoted = true;
            wasQuoted = true;
            any = true;
        } else {
            cell += c;
            any = true;
        }
    }
    if (quoted) {
        error = "line " + std::to_string(row.line) + ": a quote is not closed";
        return std::nullopt;
    }
    endRow();
    return rows;
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        line += i == 0 ? "" : ",";
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line;
}

std::string SafeLogCell(std::string_view cell) {
    const bool formula =
        !cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos;
    // Built by appending: "literal" + string trips a false -Werror=restrict in GCC 12 at -O3.
    std::string safe(formula ? 1 : 0, '\'');
    safe += Printable(cell);
    return safe;
}

std::string CsvLogLine(const std::vector<std::string>& cells) {
    std::vector<std::string> safe(cells.size());
    std::transform(cells.begin(), cells.end(), safe.begin(), SafeLogCell);
    return CsvLine(safe);
}

std::string ColumnNamesRefusal(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string column = "column " + std::to_string(i + 1);
        const std::string_view name = TrimSpaces(names[i]);
        if (name.empty()) {
            return column + " has no name";
        }
        const auto earlier =
            std::find_if(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(i),
                         [&](const std::string& other) { return TrimSpaces(other) == name; });
        if (earlier != names.begin() + static_cast<std::ptrdiff_t>(i)) {
            return column + " " + Quoted(name) + " repeats column " +
                   std::to_string(earlier - names.begin() + 1);
        }
    }
    return {};
}

}  // namespace tov::profiles
