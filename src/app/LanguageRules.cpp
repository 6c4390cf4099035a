#include "app/LanguageRules.h"

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

const std::array<std::string_view, kModelCount>& ModelListEntries() {
    static constexpr std::array<std::string_view, kModelCount> kModels = {
        "Tov 2740M", "Tov 9030M", "Tov 2740MG", "Tov 9030MG", "Tov 2760MG"};
    return kModels;
}

bool SmtpButtonEnabled(int modelIndex) {
    return modelIndex != 1 && modelIndex != 2;
}

SetupForm FormFor(SetupButton button, int modelIndex) {
    const bool second = FamilyOf(modelIndex) == Family::Second;
    switch (button) {
    case SetupButton::Camera:
        return second ? SetupForm::Camera9030 : SetupForm::Camera2740;
    case SetupButton::Mms:
        return second ? SetupForm::Mms9030 : SetupForm::Mms2740;
    case SetupButton::Smtp:
        break;
    }
    return modelIndex == 4 ? SetupForm::Smtp9030 : SetupForm::Smtp2740;
}

}  // namespace tov
