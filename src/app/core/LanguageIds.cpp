#include "app/core/LanguageIds.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tov {
namespace {

struct LocaleId {
    std::string_view language;
    std::string_view country;
    std::uint16_t id;
};

// Common locales with their Windows identifiers. The first row of each language is the
// one a locale with an unlisted country falls back to.
constexpr std::array kLocaleIds = {
    LocaleId{"ar", "SA", 0x0401}, LocaleId{"ar", "EG", 0x0C01}, LocaleId{"bg", "BG", 0x0402},
    LocaleId{"ca", "ES", 0x0403}, LocaleId{"cs", "CZ", 0x0405}, LocaleId{"da", "DK", 0x0406},
    LocaleId{"de", "DE", 0x0407}, LocaleId{"de", "CH", 0x0807}, LocaleId{"de", "AT", 0x0C07},
    LocaleId{"de", "LU", 0x1007}, LocaleId{"de", "LI", 0x1407}, LocaleId{"el", "GR", 0x0408},
    LocaleId{"en", "US", 0x0409}, LocaleId{"en", "GB", 0x0809}, LocaleId{"en", "AU", 0x0C09},
    LocaleId{"en", "CA", 0x1009}, LocaleId{"en", "NZ", 0x1409}, LocaleId{"en", "IE", 0x1809},
    LocaleId{"en", "ZA", 0x1C09}, LocaleId{"en", "IN", 0x4009}, LocaleId{"en", "SG", 0x4809},
    LocaleId{"es", "ES", 0x0C0A}, LocaleId{"es", "MX", 0x080A}, LocaleId{"es", "AR", 0x2C0A},
    LocaleId{"es", "US", 0x540A}, LocaleId{"et", "EE", 0x0425}, LocaleId{"fi", "FI", 0x040B},
    LocaleId{"fr", "FR", 0x040C}, LocaleId{"fr", "BE", 0x080C}, LocaleId{"fr", "CA", 0x0C0C},
    LocaleId{"fr", "CH", 0x100C}, LocaleId{"fr", "LU", 0x140C}, LocaleId{"he", "IL", 0x040D},
    LocaleId{"hi", "IN", 0x0439}, LocaleId{"hr", "HR", 0x041A}, LocaleId{"hu", "HU", 0x040E},
    LocaleId{"id", "ID", 0x0421}, LocaleId{"is", "IS", 0x040F}, LocaleId{"it", "IT", 0x0410},
    LocaleId{"it", "CH", 0x0810}, LocaleId{"ja", "JP", 0x0411}, LocaleId{"ko", "KR", 0x0412},
    LocaleId{"lt", "LT", 0x0427}, LocaleId{"lv", "LV", 0x0426}, LocaleId{"nb", "NO", 0x0414},
    LocaleId{"nl", "NL", 0x0413}, LocaleId{"nl", "BE", 0x0813}, LocaleId{"nn", "NO", 0x0814},
    LocaleId{"pl", "PL", 0x0415}, LocaleId{"pt", "BR", 0x0416}, LocaleId{"pt", "PT", 0x0816},
    LocaleId{"ro", "RO", 0x0418}, LocaleId{"ru", "RU", 0x0419}, LocaleId{"sk", "SK", 0x041B},
    LocaleId{"sl", "SI", 0x0424}, LocaleId{"sr", "RS", 0x241A}, LocaleId{"sv", "SE", 0x041D},
    LocaleId{"sv", "FI", 0x081D}, LocaleId{"th", "TH", 0x041E}, LocaleId{"tr", "TR", 0x041F},
    LocaleId{"uk", "UA", 0x0422}, LocaleId{"vi", "VN", 0x042A}, LocaleId{"zh", "CN", 0x0804},
    LocaleId{"zh", "TW", 0x0404}, LocaleId{"zh", "HK", 0x0C04}, LocaleId{"zh", "SG", 0x1004},
    LocaleId{"zh", "MO", 0x1404},
};

constexpr std::uint16_t kFallbackId = 0x0409;

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsTwoLetters(std::string_view part) {
    return part.size() == 2 && std::isalpha(static_cast<unsigned char>(part[0])) &&
           std::isalpha(static_cast<unsigned char>(part[1]));
}

}  // namespace

std::uint16_t LanguageIdForLocale(std::string_view localeName) {
    // "zh_CN.UTF-8@euro" -> "zh_CN"; "zh-Hans-CN" -> language "zh", country "CN".
    localeName = localeName.substr(0, localeName.find_first_of(".@"));
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_-"));
    const std::size_t lastSeparator = localeName.find_last_of("_-");
    std::string_view country;
    if (lastSeparator != std::string_view::npos) {
        country = localeName.substr(lastSeparator + 1);
        if (!IsTwoLetters(country)) {
            country = {};
        }
    }

    const LocaleId* languageDefault = nullptr;
    for (const LocaleId& entry : kLocaleIds) {
        if (!SameLetters(entry.language, language)) {
            continue;
        }
        if (SameLetters(entry.country, country)) {
            return entry.id;
        }
        if (languageDefault == nullptr) {
            languageDefault = &entry;
        }
    }
    return languageDefault != nullptr ? languageDefault->id : kFallbackId;
}

std::optional<std::uint16_t> ParseLanguageId(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    std::uint16_t value = 0;
    for (const char c : text) {
        const auto digit = static_cast<unsigned char>(c);
        if (!std::isxdigit(digit)) {
            return std::nullopt;
        }
        const int nibble = std::isdigit(digit) ? digit - '0' : std::tolower(digit) - 'a' + 10;
        value = static_cast<std::uint16_t>((value << 4) | nibble);
    }
    return value;
}

}  // namespace tov
