#include "app/core/MainWindowTexts.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

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
