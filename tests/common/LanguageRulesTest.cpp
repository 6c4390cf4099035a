#include "common/LanguageRules.h"
#include "common/Models.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(LanguageRules, DefaultCodeFromSystemLanguage) {
    EXPECT_EQ(DefaultLanguageCode(0x0804), 1);
    EXPECT_EQ(DefaultLanguageCode(0x1407), 3);
    EXPECT_EQ(DefaultLanguageCode(0x0407), 2);  // German (Germany) starts in English
    EXPECT_EQ(DefaultLanguageCode(0x0409), 2);
}

TEST(LanguageRules, StoredChineseOnNonChineseSystemShowsEnglishButKeepsChineseChosen) {
    AppState state;
    ApplyStartupLanguage(state, 0x0409, 1);
    EXPECT_EQ(state.languageIndex, 2);
    EXPECT_EQ(state.chineseChosen, 1);
    EXPECT_EQ(state.systemIsChinese, 0);
    EXPECT_EQ(state.languageByte(), 1);
    EXPECT_EQ(LanguageListSelection(state), 0);
    EXPECT_EQ(LanguageListEntries(false)[0], "Chinese");
    EXPECT_EQ(state.message({"中", "en"}), "en");
}

TEST(LanguageRules, ChineseSystemShowsChinese) {
    AppState state;
    ApplyStartupLanguage(state, 0x0804, 1);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.chineseChosen, 0);
    EXPECT_EQ(state.languageByte(), 1);
    EXPECT_EQ(LanguageListSelection(state), 0);
    EXPECT_EQ(LanguageListEntries(true)[0], "中文");
    EXPECT_EQ(state.message({"中", "en"}), "中");
}

TEST(LanguageRules, ChoosingLanguagesUpdatesStateAndStoredValue) {
    AppState state;
    ApplyStartupLanguage(state, 0x0409, 2);
    EXPECT_EQ(ChooseLanguage(state, 0), 1);  // Chinese on a non-Chinese system
    EXPECT_EQ(state.languageIndex, 2);
    EXPECT_EQ(state.chineseChosen, 1);
    EXPECT_EQ(LanguageListSelection(state), 0);

    EXPECT_EQ(ChooseLanguage(state, 1), 2);  // then English
    EXPECT_EQ(state.chineseChosen, 0);
    EXPECT_EQ(LanguageListSelection(state), 1);

    EXPECT_EQ(ChooseLanguage(state, 10), 11);  // Lithuanian
    EXPECT_EQ(state.languageIndex, 11);
    EXPECT_EQ(state.languageByte(), 11);
    EXPECT_EQ(LanguageListSelection(state), 10);
}

TEST(LanguageRules, ChoosingChineseOnChineseSystem) {
    AppState state;
    ApplyStartupLanguage(state, 0x0804, 3);
    EXPECT_EQ(ChooseLanguage(state, 0), 1);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.chineseChosen, 1);
}

}  // namespace
}  // namespace tov
