#include "camera/CameraFieldRules.h"

#include "camera/MenuRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov {
namespace {

using S = CameraMenuSettings;

TEST(CameraFieldRules, ReadOrderKeysBoundsAndMessages) {
    const std::vector<std::string_view> common = {
        "videoLength",       "intervalValue",    "timeLapseMinute",  "timeLapseSecond",
        "timeLapseHour",     "timer1StopMinute", "timer1StopHour",   "timer1StartHour",
        "timer1StartMinute", "folder",           "timer2StopMinute", "timer2StopHour"};
    for (const auto& [family, lastTwo] :
         {std::pair{Family::Second,
                    std::vector<std::string_view>{"timer2StartHour", "timer2StartMinute"}},
          std::pair{Family::First,
                    std::vector<std::string_view>{"timer2StartMinute", "timer2StartHour"}}}) {
        std::vector<std::string_view> keys;
        CheckKind kind = CheckKind::ToolRange;
        for (const CameraFieldCheck& c : CameraReadOrder(family)) {
            keys.push_back(c.key);
            const std::string key(c.key);
            if (key == "folder") {
                EXPECT_EQ(c.member, nullptr);
                EXPECT_EQ(c.kind, CheckKind::FolderLength);
                EXPECT_EQ(c.max, kFolderMaxChars);
                // The timer-2 fields after the folder report through the platform's message.
                kind = CheckKind::FieldRange;
                continue;
            }
            ASSERT_NE(c.member, nullptr) << key;
            EXPECT_EQ(c.kind, kind) << key;
            const int max = key.ends_with("Hour") ? 23 : key.ends_with("Value") ? 60 : 59;
            EXPECT_EQ(std::pair(c.min, c.max),
                      key == "videoLength" ? std::pair(1, 60) : std::pair(0, max))
                << key;
        }
        std::vector<std::string_view> expected = common;
        expected.insert(expected.end(), lastTwo.begin(), lastTwo.end());
        EXPECT_EQ(keys, expected);
    }
}

TEST(CameraFieldRules, EditAndUnitCorrections) {
    CameraMenuSettings s;
    const auto edit = [&s](int S::*member, int value, std::string_view key) {
        s.*member = value;
        const bool changed = CorrectAfterEdit(s, key);
        return std::pair{changed, s.*member};
    };
    EXPECT_EQ(edit(&S::videoLength, 0, "videoLength"), std::pair(true, 10));
    EXPECT_EQ(edit(&S::videoLength, 61, "videoLength"), std::pair(true, 10));
    EXPECT_EQ(edit(&S::videoLength, 60, "videoLength"), std::pair(false, 60));
    EXPECT_EQ(edit(&S::intervalValue, 61, "intervalValue"), std::pair(true, 1));
    EXPECT_EQ(edit(&S::intervalValue, 0, "intervalValue"), std::pair(true, 1));  // unit Min
    s.intervalUnit = 0;
    EXPECT_EQ(edit(&S::intervalValue, 0, "intervalValue"), std::pair(false, 0));
    EXPECT_EQ(edit(&S::timer2StartHour, 24, "timer2StartHour"), std::pair(true, 0));
    EXPECT_EQ(edit(&S::timer2StartHour, 23, "timer2StartHour"), std::pair(false, 23));
    EXPECT_EQ(edit(&S::timeLapseSecond, 60, "timeLapseSecond"), std::pair(true, 0));
    EXPECT_EQ(edit(&S::timer1StopMinute, 70, "timer1StopMinute"), std::pair(true, 0));
    EXPECT_FALSE(CorrectAfterEdit(s, "folder"));
    EXPECT_FALSE(CorrectAfterEdit(s, "noSuchField"));

    EXPECT_FALSE(CorrectAfterUnitChange(s));  // 0 seconds is allowed
    s.intervalUnit = 1;
    EXPECT_TRUE(CorrectAfterUnitChange(s));
    EXPECT_EQ(s.intervalValue, 1);
}

TEST(CameraFieldRules, DefaultResetKeepsWhatItShould) {
    CameraMenuSettings9030 s;
    s.cameraMode = s.imageSize = s.videoSize = s.pictureCount = s.timeStamp = s.senseLevel = 2;
    s.sidePir = s.intervalUnit = s.timeLapse = s.intervalValue = s.beepSound = 0;
    s.timer1 = s.serialOn = s.timer2 = s.sdCycle = 1;
    s.serialChars = {1, 2, 3, 4};
    s.timeLapseHour = s.timeLapseMinute = s.timeLapseSecond = 5;
    s.timer1StartHour = s.timer1StartMinute = s.timer1StopHour = s.timer1StopMinute = 6;
    s.timer2StartHour = s.timer2StartMinute = s.timer2StopHour = s.timer2StopMinute = 7;
    s.videoLength = 30;
    s.dateFormat = 2;
    s.clockText = "07/05/2014 13:04:09";
    s.folder = "/media/card";
    const CameraMenuSettings9030 before = s;

    ApplyDefaultReset(s, CameraModelInfoFor(2));

    // The opening state, except the first video size and the fields Default keeps; an
    // interval of 0 stays 0 although the unit is now Min.
    CameraMenuSettings9030 expected;
    expected.videoSize = expected.intervalValue = expected.beepSound = 0;
    expected.timer2 = expected.sdCycle = 1;
    expected.timer2StartHour = expected.timer2StartMinute = 7;
    expected.timer2StopHour = expected.timer2StopMinute = 7;
    ClockSnapshot clock;
    EXPECT_EQ(BuildMenuRecord9030(s, clock, kEnglish, 0),
              BuildMenuRecord9030(expected, clock, kEnglish, 0));
    EXPECT_EQ(std::tie(s.dateFormat, s.clockText, s.folder),
              std::tie(before.dateFormat, before.clockText, before.folder));

    // Without image sizes the list stays unselected.
    ApplyDefaultReset(s, CameraModelInfoFor(0));
    EXPECT_EQ(s.imageSize, -1);
    ApplyDefaultReset(s, CameraModelInfoFor(5));
    EXPECT_EQ(s.imageSize, 0);
}

}  // namespace
}  // namespace tov
