#include "cards/core/MountTable.h"

#include <sstream>

namespace tov::cards {
namespace {

// The kernel writes space, tab, newline and backslash in paths as three octal digits.
std::string Unescape(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string_view digits = text.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                plain += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                           (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        plain += text[i];
    }
    return plain;
}

bool HasOption(const std::string& options, std::string_view wanted) {
    std::istringstream list(options);
    for (std::string option; std::getline(list, option, ',');) {
        if (option == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        // id parent major:minor root mount-point options [optional fields] - type source super
        std::istringstream words(line);
        MountEntry entry;
        std::string root;
        std::string mountPoint;
        std::string options;
        if (!(words >> entry.id >> entry.parentId >> entry.device >> root >> mountPoint >>
              options)) {
            continue;
        }
        std::string word;
        while (words >> word && word != "-") {
        }
        if (word != "-" || !(words >> entry.type >> entry.source)) {
            continue;
        }
        entry.mountPoint = Unescape(mountPoint);
        entry.source = Unescape(entry.source);
        entry.readOnly = HasOption(options, "ro");
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace tov::cards
