#include "cards/core/CardMessages.h"

namespace tov::cards {

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto arg = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && arg < args.size()) {
            text += *(args.begin() + arg);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace tov::cards
