#include "camera/core/CameraSettings.h"

#include "camera/core/CameraFields.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(CameraSettings, OpeningValuesPerModel) {
    const CameraMenuSettings second = OpeningCameraSettings(4);
    const CameraMenuSettings first = OpeningCameraSettings(5);
    EXPECT_EQ(second.videoSize, 1);  // 1280x720
    EXPECT_EQ(first.videoSize, 0);
    for (const CameraMenuSettings& s : {first, second}) {
        EXPECT_EQ(s.sidePir, 1);
        EXPECT_EQ(s.videoLength, 10);
        EXPECT_EQ(s.intervalValue, 1);
        EXPECT_EQ(s.intervalUnit, 1);
        EXPECT_EQ(s.timeLapse, 1);
    }
    EXPECT_EQ(second.beepSound, 1);
    // A model outside the list has no image sizes: no selection.
    EXPECT_EQ(OpeningCameraSettings(7).imageSize, -1);
}

TEST(CameraSettings, DefaultResetsWhatTheDefaultButtonResets) {
    CameraMenuSettings s = OpeningCameraSettings(4);
    s.cameraMode = 2;
    s.videoSize = 2;
    s.sidePir = 0;
    s.intervalUnit = 0;
    s.intervalValue = 0;
    s.videoLength = 33;
    s.timer1StartHour = 3;
    s.timer2 = 1;
    s.timer2StopHour = 7;
    s.serialChars = {1, 2, 3, 4};
    s.beepSound = 0;
    s.sdCycle = 1;
    s.dateFormat = 2;
    ApplyCameraDefault(s, 4);
    EXPECT_EQ(s.cameraMode, 0);
    EXPECT_EQ(s.videoSize, 0);  // the first video size, not the opening one
    EXPECT_EQ(s.sidePir, 1);
    EXPECT_EQ(s.intervalUnit, 1);
    EXPECT_EQ(s.intervalValue, 0);  // kept: Min without the correction
    EXPECT_EQ(s.videoLength, 10);
    EXPECT_EQ(s.timer1StartHour, 0);
    EXPECT_EQ((std::array{s.timer2, s.timer2StopHour, s.beepSound, s.sdCycle, s.dateFormat}),
              (std::array{1, 7, 0, 1, 2}));
    EXPECT_EQ(s.serialChars, (std::array{0, 0, 0, 0}));
}

TEST(CameraSettings, TextsAreTakenAsTheFormTakesThem) {
    // "1280x720" sits at a different place in each family's list; choices by index or text.
    EXPECT_EQ(ApplyCameraSettings(2, {{"videoSize", "1280x720"}}, kEnglish).settings.videoSize, 1);
    EXPECT_EQ(ApplyCameraSettings(5, {{"videoSize", "1280X720"}}, kEnglish).settings.videoSize, 0);
    const auto result = ApplyCameraSettings(4,
                                            {{"cameraMode", "2"},
                                             {"timeStamp", "Off"},
                                             {"sidePir", "Off"},
                                             {"serialChars", "a9z0"},
                                             {"intervalUnit", "Sec"},
                                             {"intervalValue", "0"},
                                             {"timer2StopMinute", "59"}},
                                            kEnglish);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(result.settings.cameraMode, 2);
    EXPECT_EQ(result.settings.timeStamp, 1);  // On comes first in this list
    EXPECT_EQ(result.settings.sidePir, 0);    // Off comes first in this one
    EXPECT_EQ(result.settings.serialChars, (std::array{10, 9, 35, 0}));
    EXPECT_EQ(result.settings.intervalValue, 0);
    EXPECT_EQ(result.settings.timer2StopMinute, 59);
}

TEST(CameraSettings, RefusalsNameTheKeyAndSayWhy) {
    struct Case {
        int model;
        SettingTexts texts;
        int language;
        std::string message;
    };
    const Case cases[] = {
        {4,
         {{"videoLength", "61"}},
         kEnglish,
         "videoLength: Please enter an integer between 1 and 60!"},
        {4, {{"videoLength", "0"}}, kChinese, "videoLength: 请输入一个介于1和60之间的值!"},
        {1,
         {{"timer2StartHour", "24"}},
         kEnglish,
         "timer2StartHour: “请填入一个在0和23之间的整数。” (Please enter an integer between 0 "
         "and 23.)"},
        {1,
         {{"intervalValue", "1.5"}},
         kEnglish,
         "intervalValue: 请键入一个整数。 (Please enter an integer.)"},
        {1, {{"intervalValue", "x"}}, kChinese, "intervalValue: 请键入一个整数。"},
        // The form reads the video length before the interval: its refusal comes first.
        {1,
         {{"intervalValue", "99"}, {"videoLength", "99"}},
         kEnglish,
         "videoLength: Please enter an integer between 1 and 60!"},
        {1,
         {{"intervalValue", "0"}},
         kEnglish,
         "intervalValue: 0 is not allowed with the unit Min (the form makes it 1)"},
        {1,
         {{"videoSize", "2"}},
         kEnglish,
         "videoSize: \"2\" is not in the list of the Tov 2740M; allowed: 0 \"640x480\", 1 "
         "\"320x240\""},
        {7,
         {{"imageSize", "0"}},
         kEnglish,
         "imageSize: \"0\" is not in the list of the model 7; allowed: (none)"},
        {4,
         {{"serialChars", "A9Z"}},
         kEnglish,
         "serialChars: \"A9Z\" must be four characters of 0-9 and A-Z (e.g. A9Z0)"},
        {4,
         {{"serialChars", "A_Z0"}},
         kEnglish,
         "serialChars: \"A_Z0\" must be four characters of 0-9 and A-Z (e.g. A9Z0)"},
    };
    for (const Case& c : cases) {
        const auto result = ApplyCameraSettings(c.model, c.texts, c.language);
        ASSERT_TRUE(result.error) << c.message;
        EXPECT_EQ(*result.error, c.message);
    }
    // Keys: one that no form has, one of the other family, one that is no setting of a file.
    for (const auto& [model, key, start] :
         {std::tuple{4, "videolength",
                     "videolength: unknown setting; allowed settings: cameraMode,"},
          std::tuple{5, "beepSound", "beepSound: not a setting of the Tov 2760MG; allowed"},
          std::tuple{4, "dateFormat", "dateFormat: unknown setting"},
          std::tuple{4, "folder", "folder: unknown setting"}}) {
        const auto result = ApplyCameraSettings(model, {{key, "1"}}, kEnglish);
        ASSERT_TRUE(result.error) << key;
        EXPECT_EQ(result.error->rfind(start, 0), 0U) << *result.error;
    }
}

}  // namespace
}  // namespace tov
