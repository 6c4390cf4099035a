#include "app/core/LanguageIds.h"
#include "common/LanguageRules.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(LanguageIds, LocalesWithTheirCountry) {
    EXPECT_EQ(LanguageIdForLocale("zh_CN"), 0x0804);
    EXPECT_EQ(LanguageIdForLocale("zh_TW"), 0x0404);
    EXPECT_EQ(LanguageIdForLocale("de_LI"), 0x1407);
    EXPECT_EQ(LanguageIdForLocale("de_DE"), 0x0407);
    EXPECT_EQ(LanguageIdForLocale("en_US"), 0x0409);
    EXPECT_EQ(LanguageIdForLocale("en_GB"), 0x0809);
    EXPECT_EQ(LanguageIdForLocale("lt_LT"), 0x0427);
}

TEST(LanguageIds, SpellingsOfTheSameLocale) {
    EXPECT_EQ(LanguageIdForLocale("zh-CN"), 0x0804);
    EXPECT_EQ(LanguageIdForLocale("zh_CN.UTF-8"), 0x0804);
    EXPECT_EQ(LanguageIdForLocale("de_LI@euro"), 0x1407);
    EXPECT_EQ(LanguageIdForLocale("zh_Hans_CN"), 0x0804);
    EXPECT_EQ(LanguageIdForLocale("zh-Hant-TW"), 0x0404);
    EXPECT_EQ(LanguageIdForLocale("DE_li"), 0x1407);
}

TEST(LanguageIds, UnlistedCountryFallsBackToTheLanguage) {
    EXPECT_EQ(LanguageIdForLocale("de_BE"), 0x0407);
    EXPECT_EQ(LanguageIdForLocale("de"), 0x0407);
    EXPECT_EQ(LanguageIdForLocale("zh"), 0x0804);
    EXPECT_EQ(LanguageIdForLocale("fr_XX"), 0x040C);
    EXPECT_EQ(LanguageIdForLocale("es"), 0x0C0A);
    EXPECT_EQ(LanguageIdForLocale("sr_Latn"), 0x241A);
}

TEST(LanguageIds, UnknownLanguageIsUsEnglish) {
    EXPECT_EQ(LanguageIdForLocale(""), 0x0409);
    EXPECT_EQ(LanguageIdForLocale("C"), 0x0409);
    EXPECT_EQ(LanguageIdForLocale("POSIX"), 0x0409);
    EXPECT_EQ(LanguageIdForLocale("xx_CN"), 0x0409);
}

// Only the two identifiers the start-up rules single out change the default language.
TEST(LanguageIds, LocalesReachTheStartupDefaults) {
    EXPECT_EQ(DefaultLanguageCode(LanguageIdForLocale("zh_CN")), kChinese);
    EXPECT_EQ(DefaultLanguageCode(LanguageIdForLocale("zh_TW")), kEnglish);
    EXPECT_EQ(DefaultLanguageCode(LanguageIdForLocale("de_LI")), kDeutsch);
    EXPECT_EQ(DefaultLanguageCode(LanguageIdForLocale("de_DE")), kEnglish);
}

TEST(LanguageIds, ParsesHexadecimalOverrides) {
    EXPECT_EQ(ParseLanguageId("0804"), 0x0804);
    EXPECT_EQ(ParseLanguageId("0x1407"), 0x1407);
    EXPECT_EQ(ParseLanguageId("0X1407"), 0x1407);
    EXPECT_EQ(ParseLanguageId("804"), 0x0804);
    EXPECT_EQ(ParseLanguageId(" 0409\n"), 0x0409);
    EXPECT_EQ(ParseLanguageId("ffff"), 0xFFFF);
    EXPECT_EQ(ParseLanguageId("aBcD"), 0xABCD);
}

TEST(LanguageIds, RejectsBadOverrides) {
    for (const char* text : {"", " ", "0x", "12345", "0x12345", "zz", "08g4", "-804", "0x-1",
                             "8 04", "+804", "0804h"}) {
        EXPECT_FALSE(ParseLanguageId(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tov
