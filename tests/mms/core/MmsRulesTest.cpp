#include "mms/core/MmsRules.h"
#include "mms/core/MmsChoices.h"
#include "mms/core/MmsTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace tov {
namespace {

struct Case {
    int model;
    SettingTexts texts;
    std::string error;  // empty: accepted
};

// What the form cannot produce is refused with its reason; what it can is taken.
const Case kCases[] = {
    {4,
     {{"url", "http://x"}},
     "url: the operator preset sets it in Auto mode; use --set mode=Manual"},
    {4, {{"mode", "Manual"}, {"url", "http://x"}, {"bearer", "CSD"}}, ""},
    {4,
     {{"mode", "1"}, {"country", "Spain"}},
     "country: Manual mode has no operator list; use --set mode=Auto"},
    {4, {{"bearer", "CSD"}}, "bearer: Auto mode offers APN only; use --set mode=Manual"},
    {4, {{"bearer", "APN"}, {"country", "United Kingdom"}, {"operator", "ASDA Mobile"}}, ""},
    {4,
     {{"operator", "ASDA Mobile"}},
     "operator: \"ASDA Mobile\" is not in the list of the Tov 9030MG; allowed: 0 \"China "
     "Mobile\", 1 \"China Unicom\""},
    {1, {{"mmsSend", "QVGA"}}, ""},
    {5,
     {{"mmsSend", "QVGA"}},
     "mmsSend: \"QVGA\" is not in the list of the Tov 2760MG; allowed: 0 \"Off\", 1 \"VGA\", 2 "
     "\"SMS\""},
    {4, {{"phone1", "1234567890123"}}, "phone1: The max allowable number of digits phone 12!"},
    {1, {{"phone1", "123456789012"}}, "phone1: The max allowable number of digits phone 11!"},
    {1, {{"phone1", "+123456789012"}, {"phoneFormat", "International"}}, ""},
    {4,
     {{"phone2", "12345"}},
     "phone2: the form keeps it locked unless Phone No, or an Email with \"@\", holds 5 or more "
     "characters"},
    {4, {{"phone2", "12345"}, {"email", "a@b.c"}}, ""},
    {4,
     {{"phone1", "12345"}, {"phone2", "1234"}, {"phone3", "123456"}},
     "phone3: the form keeps it locked unless phone2 holds 5 or more characters"},
    {4, {{"pictureLimit", "100"}}, "pictureLimit: Please enter an integer between 0 and 99!"},
    {4,
     {{"mode", "Manual"}, {"gateway", std::string(21, '1')}},
     "gateway: is 21 bytes long; at most 20 bytes fit"},
    {2, {{"smtpServer", "x"}}, "smtpServer: unknown setting;"},
};

TEST(MmsRulesTest, SettingTextsAreTakenAsTheFormWouldTakeThem) {
    for (const Case& c : kCases) {
        const MmsSettingsResult result = ApplyMmsSettings(c.model, c.texts, kEnglish);
        const std::string name = c.texts.begin()->first + "=" + c.texts.begin()->second;
        if (c.error.empty()) {
            EXPECT_FALSE(result.error) << name << ": " << *result.error;
        } else {
            ASSERT_TRUE(result.error) << name;
            EXPECT_EQ(result.error->substr(0, c.error.size()), c.error) << name;
        }
    }
    const MmsSettings uk =
        ApplyMmsSettings(2, {{"country", "3"}, {"operator", "8"}, {"smsRemoteHours", "Off"}},
                         kEnglish)
            .settings;
    EXPECT_EQ(std::make_tuple(uk.countryIndex, uk.operatorIndex, uk.smsRemoteHours),
              std::make_tuple(3, 8, 25));
}

TEST(MmsRulesTest, ListsFollowModelLanguageAndMode) {
    const auto list = [](int which, int model, int language, int mode = kMmsAuto) {
        return MmsChoices(which, ModelFor(model), language, mode, 0);
    };
    using Entries = std::vector<std::string_view>;
    EXPECT_EQ(list(kMmsSendList, 1, kEnglish), (Entries{"Off", "VGA", "QVGA", "SMS"}));
    EXPECT_EQ(list(kMmsSendList, 5, kMagyar), (Entries{"Ki", "VGA", "SMS"}));
    EXPECT_EQ(list(kMmsOperatorList, 2, kChinese), (Entries{"中国移动", "中国联通"}));
    EXPECT_EQ(list(kMmsCountryList, 2, kChinese).front(), "中国");
    EXPECT_EQ(list(kMmsOperatorList, 2, kEnglish, kMmsManual), (Entries{"Other"}));
    EXPECT_EQ(list(kMmsRemoteList, 2, kSuomi).back(), "pois");
}

TEST(MmsRulesTest, EveryLanguageHasEveryText) {
    for (const Family family : {Family::First, Family::Second}) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            const MmsTextTable texts = MmsTextsFor(family, language);
            for (const auto text : AllMmsLabelTexts()) {
                EXPECT_FALSE((texts.labels.*text).empty()) << language;
            }
            for (const auto text : AllMmsChoiceTexts()) {
                EXPECT_FALSE((texts.choices.*text).empty()) << language;
            }
        }
    }
    EXPECT_EQ(MmsTextsFor(Family::Second, kCesky).labels.country, " Zeme");
    EXPECT_EQ(MmsTextsFor(Family::First, kJapanese).labels.mmsSend, "MMS モード");
    EXPECT_EQ(MmsTextsFor(Family::First, kLithuanian).labels.smsRemote, " SMS nuotol.valdymas");
}

}  // namespace
}  // namespace tov
