#include "profiles/core/Csv.h"

namespace tov::profiles {

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
    for (std::size_t i = 0; i < text.size(); ++i) {
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

}  // namespace tov::profiles
