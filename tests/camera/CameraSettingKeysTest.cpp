#include "camera/CameraSettingKeys.h"

#include "app/FieldMessages.h"
#include "camera/CameraFieldRules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tov {
namespace {

MenuRecord RecordOf(const AnyCameraMenuSettings& settings) {
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    return BuildMenuRecordFor(settings, clock, kEnglish, 0);
}

CameraSettingsResult Apply(int model, const CameraSettingTexts& texts,
                           int languageIndex = kEnglish) {
    return ApplyCameraSettings(model, texts, languageIndex);
}

TEST(CameraSettingKeys, NoTextsGiveTheFormsOpeningRecordForEachModel) {
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    for (const int model : {2, 4}) {
        const auto result = Apply(model, {});
        ASSERT_FALSE(result.error);
        EXPECT_EQ(RecordOf(result.settings),
                  BuildMenuRecord9030(CameraMenuSettings9030{}, clock, kEnglish, 0));
    }
    for (const int model : {1, 3, 5}) {
        const auto result = Apply(model, {});
        ASSERT_FALSE(result.error);
        EXPECT_EQ(RecordOf(result.settings),
                  BuildMenuRecord2740(CameraMenuSettings2740{}, clock, kEnglish, 0));
    }
    // A stored model outside the list opens the first family's form with no image size.
    const auto outside = Apply(7, {});
    ASSERT_FALSE(outside.error);
    EXPECT_EQ(RecordOf(outside.settings)[1], 0xFF);
}

TEST(CameraSettingKeys, ChoiceByIndexOrTextFollowsTheModelsList) {
    // "1280x720" sits at a different place in each family's video list.
    const auto second = Apply(2, {{"videoSize", "1280x720"}});
    const auto fifth = Apply(5, {{"videoSize", "1280x720"}});
    ASSERT_FALSE(second.error);
    ASSERT_FALSE(fifth.error);
    EXPECT_EQ(CommonSettings(second.settings).videoSize, 1);
    EXPECT_EQ(CommonSettings(fifth.settings).videoSize, 0);

    const auto byText = Apply(4, {{"cameraMode", "camera+video"}, {"intervalUnit", "Sec"}});
    const auto byIndex = Apply(4, {{"cameraMode", "2"}, {"intervalUnit", "0"}});
    ASSERT_FALSE(byText.error);
    ASSERT_FALSE(byIndex.error);
    EXPECT_EQ(RecordOf(byText.settings), RecordOf(byIndex.settings));
    EXPECT_EQ(CommonSettings(byText.settings).cameraMode, 2);
    EXPECT_EQ(CommonSettings(byText.settings).intervalUnit, 0);

    // On and off keep their list order: time stamp lists On first, side PIR Off first.
    const auto onOff = Apply(1, {{"timeStamp", "Off"}, {"sidePir", "Off"}});
    ASSERT_FALSE(onOff.error);
    EXPECT_EQ(CommonSettings(onOff.settings).timeStamp, 1);
    EXPECT_EQ(CommonSettings(onOff.settings).sidePir, 0);
}

TEST(CameraSettingKeys, ChoiceOutsideTheModelsListIsRefusedWithTheList) {
    const auto tooHigh = Apply(1, {{"videoSize", "2"}});
    ASSERT_TRUE(tooHigh.error);
    EXPECT_EQ(*tooHigh.error, "videoSize: \"2\" is not in the list of the Tov 2740M; allowed: 0 "
                              "\"640x480\", 1 \"320x240\"");

    const auto otherModel = Apply(1, {{"imageSize", "2MP"}});
    ASSERT_TRUE(otherModel.error);
    EXPECT_NE(otherModel.error->find("1 \"12MP\""), std::string::npos);

    const auto noList = Apply(7, {{"imageSize", "0"}});
    ASSERT_TRUE(noList.error);
    EXPECT_NE(noList.error->find("(none)"), std::string::npos);
}

TEST(CameraSettingKeys, KeysOutsideTheFamilyOrUnknownAreRefusedWithTheAllowedKeys) {
    const auto beep = Apply(3, {{"beepSound", "On"}});
    ASSERT_TRUE(beep.error);
    EXPECT_EQ(beep.error->rfind("beepSound: not a setting of the Tov 2740MG; allowed settings: "
                                "cameraMode, ",
                                0),
              0U);
    EXPECT_EQ(beep.error->find("sdCycle"), std::string::npos);

    const auto unknown = Apply(2, {{"colour", "red"}});
    ASSERT_TRUE(unknown.error);
    EXPECT_EQ(unknown.error->rfind("colour: unknown setting; allowed settings: ", 0), 0U);
    EXPECT_NE(unknown.error->find("sdCycle"), std::string::npos);

    // The form's display-only fields are not written and cannot be given.
    EXPECT_TRUE(Apply(2, {{"dateFormat", "0"}}).error);
    EXPECT_TRUE(Apply(2, {{"folder", "/tmp"}}).error);

    const auto second = Apply(4, {{"beepSound", "Off"}, {"sdCycle", "On"}});
    ASSERT_FALSE(second.error);
    const auto& settings = std::get<CameraMenuSettings9030>(second.settings);
    EXPECT_EQ(settings.beepSound, 0);
    EXPECT_EQ(settings.sdCycle, 1);
}

TEST(CameraSettingKeys, NumbersAreCheckedWithTheFormsBoundsAndMessages) {
    EXPECT_FALSE(Apply(2, {{"videoLength", "1"}, {"intervalValue", "0"}}).error);
    EXPECT_FALSE(Apply(2, {{"videoLength", "60"}, {"intervalValue", "60"}}).error);

    const auto tooLong = Apply(2, {{"videoLength", "61"}});
    ASSERT_TRUE(tooLong.error);
    EXPECT_EQ(*tooLong.error, "videoLength: Please enter an integer between 1 and 60!");

    const auto chinese = Apply(2, {{"timer1StartMinute", "60"}}, kChinese);
    ASSERT_TRUE(chinese.error);
    EXPECT_EQ(*chinese.error, "timer1StartMinute: " + RangeMessage(0, 59, kChinese));

    // Timer 2 is checked with the platform's own message, in every language.
    const auto timer2 = Apply(1, {{"timer2StartHour", "24"}});
    ASSERT_TRUE(timer2.error);
    EXPECT_EQ(*timer2.error, "timer2StartHour: " + FieldRangeMessage(0, 23));

    for (const char* text : {"", "ten", "10.5", "99999999999", "1 "}) {
        const auto notNumber = Apply(2, {{"intervalValue", text}});
        ASSERT_TRUE(notNumber.error) << text;
        EXPECT_EQ(*notNumber.error, "intervalValue: " + NotAnIntegerMessage());
    }
}

TEST(CameraSettingKeys, FirstFailureInTheFormsReadOrderIsReported) {
    // Time-lapse minutes are read before hours; timer 2's last two fields swap per family.
    const auto lapse = Apply(2, {{"timeLapseHour", "24"}, {"timeLapseMinute", "60"}});
    ASSERT_TRUE(lapse.error);
    EXPECT_EQ(lapse.error->rfind("timeLapseMinute:", 0), 0U);

    const CameraSettingTexts bothTimer2 = {{"timer2StartHour", "24"}, {"timer2StartMinute", "60"}};
    const auto second = Apply(2, bothTimer2);
    const auto first = Apply(1, bothTimer2);
    ASSERT_TRUE(second.error);
    ASSERT_TRUE(first.error);
    EXPECT_EQ(second.error->rfind("timer2StartHour:", 0), 0U);
    EXPECT_EQ(first.error->rfind("timer2StartMinute:", 0), 0U);

    // Each number key of the read order is accepted as a key.
    for (const Family family : {Family::First, Family::Second}) {
        const auto names = CameraSettingKeyNames(family);
        for (const CameraFieldCheck& check : CameraReadOrder(family)) {
            if (check.member != nullptr) {
                EXPECT_NE(std::find(names.begin(), names.end(), check.key), names.end())
                    << check.key;
            }
        }
    }
}

TEST(CameraSettingKeys, SerialCharactersAreFourOfDigitsAndLetters) {
    const auto given = Apply(2, {{"serialChars", "a9Z0"}, {"serialOn", "On"}});
    ASSERT_FALSE(given.error);
    const CameraMenuSettings& settings = CommonSettings(given.settings);
    EXPECT_EQ(settings.serialChars, (std::array<int, 4>{10, 9, 35, 0}));
    EXPECT_EQ(settings.serialOn, 1);

    for (const char* text : {"A9Z", "A9Z00", "A-Z0", ""}) {
        const auto refused = Apply(2, {{"serialChars", text}});
        ASSERT_TRUE(refused.error) << text;
        EXPECT_EQ(refused.error->rfind("serialChars:", 0), 0U);
    }
}

}  // namespace
}  // namespace tov
