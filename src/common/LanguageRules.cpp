#include "common/LanguageRules.h"

namespace tov {

int DefaultLanguageCode(std::uint16_t systemLangId) {
    if (systemLangId == kLangIdChinesePrc) {
        return kChinese;
    }
    if (systemLangId == kLangIdGermanLiechtenstein) {
        return kDeutsch;
    }
    return kEnglish;
}

void ApplyStartupLanguage(AppState& state, std::uint16_t systemLangId, int storedLanguage) {
    state.systemIsChinese = systemLangId == kLangIdChinesePrc ? 1 : 0;
    state.languageIndex = storedLanguage;
    state.chineseChosen = 0;
    if (state.systemIsChinese == 0 && storedLanguage == kChinese) {
        state.languageIndex = kEnglish;
        state.chineseChosen = 1;
    }
}

std::array<std::string_view, kLanguageCount> LanguageListEntries(bool systemIsChinese) {
    return {systemIsChinese ? "中文" : "Chinese",
            "English",
            "Deutsch",
            "Suomi",
            "Italiano",
            "Francais",
            "Magyar",
            "Slovensko",
            "Cesky",
            "Japanese",
            "Lithuanian"};
}

int LanguageListSelection(const AppState& state) {
    if (state.languageIndex == kChinese ||
        (state.languageIndex == kEnglish && state.chineseChosen == 1)) {
        return 0;
    }
    return state.languageIndex - 1;
}

int ChooseLanguage(AppState& state, int position) {
    if (position == 0) {
        state.languageIndex = state.systemIsChinese == 1 ? kChinese : kEnglish;
        state.chineseChosen = 1;
    } else {
        state.languageIndex = position + 1;
        state.chineseChosen = 0;
    }
    return state.chineseChosen == 1 ? kChinese : state.languageIndex;
}

}  // namespace tov
