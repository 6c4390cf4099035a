#include "app/LanguageRules.h"
#include "app/MainWindowTexts.h"

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

TEST(LanguageRules, FamilyAndSmtpButtonPerModel) {
    const Family expected[] = {Family::First,  Family::First, Family::Second, Family::First,
                               Family::Second, Family::First, Family::First,  Family::First};
    for (int model = 0; model <= 7; ++model) {
        EXPECT_EQ(FamilyOf(model), expected[model]) << model;
    }
    EXPECT_FALSE(SmtpButtonEnabled(1));
    EXPECT_FALSE(SmtpButtonEnabled(2));
    EXPECT_TRUE(SmtpButtonEnabled(3));
    EXPECT_TRUE(SmtpButtonEnabled(4));
    EXPECT_TRUE(SmtpButtonEnabled(5));
    EXPECT_TRUE(SmtpButtonEnabled(0));
    EXPECT_TRUE(SmtpButtonEnabled(7));
}

TEST(LanguageRules, ButtonsOpenTheFormsOfTheModelsFamily) {
    EXPECT_EQ(FormFor(SetupButton::Camera, 2), SetupForm::Camera9030);
    EXPECT_EQ(FormFor(SetupButton::Camera, 4), SetupForm::Camera9030);
    EXPECT_EQ(FormFor(SetupButton::Camera, 0), SetupForm::Camera2740);
    EXPECT_EQ(FormFor(SetupButton::Mms, 4), SetupForm::Mms9030);
    EXPECT_EQ(FormFor(SetupButton::Mms, 5), SetupForm::Mms2740);
    EXPECT_EQ(FormFor(SetupButton::Smtp, 4), SetupForm::Smtp9030);
    EXPECT_EQ(FormFor(SetupButton::Smtp, 2), SetupForm::Smtp2740);
    EXPECT_EQ(FormFor(SetupButton::Smtp, 7), SetupForm::Smtp2740);
}

TEST(MainWindowTexts, PerLanguageWithEnglishFallback) {
    EXPECT_EQ(MainTextsFor(1).cameraButton, "相机设置");
    EXPECT_EQ(MainTextsFor(1).versionLine, "程序版本:1.3.006");
    EXPECT_EQ(MainTextsFor(2).versionLine, "Version:1.3.006");
    EXPECT_EQ(MainTextsFor(9).languageLabel, "Zvolit Jazyk");
    EXPECT_EQ(MainTextsFor(9).smtpButton, "Nastaveni Smtp");
    EXPECT_EQ(MainTextsFor(11).cameraButton, " Kameros nustat.");
    EXPECT_EQ(MainTextsFor(4).updatesButton, "paina tasta saadaksesi uusimmat paivitykset");
    EXPECT_EQ(MainTextsFor(10).smtpButton, "SMTP設定");
    EXPECT_EQ(MainTextsFor(0).cameraButton, "Camera Setup");
    EXPECT_EQ(MainTextsFor(12).mmsButton, "MMS Setup");
}

}  // namespace
}  // namespace tov
