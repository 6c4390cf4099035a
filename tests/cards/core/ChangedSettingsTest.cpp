#include "cards/core/ChangedSettings.h"

#include "camera/core/CameraMenuSettings.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"

#include <gtest/gtest.h>

namespace tov::cards {
namespace {

FileReport Report(std::vector<std::pair<std::string, std::string>> fields,
                  std::vector<std::pair<std::string, std::string>> family = {}) {
    FileReport report;
    FieldSection main{"fields", "", {}};
    for (auto& [name, meaning] : fields) {
        DecodedField field;
        field.name = name;
        field.meaning = meaning;
        main.fields.push_back(field);
    }
    report.sections.push_back(main);
    if (!family.empty()) {
        FieldSection second{"secondFamily", "second family", {}};
        for (auto& [name, meaning] : family) {
            DecodedField field;
            field.name = name;
            field.meaning = meaning;
            second.fields.push_back(field);
        }
        report.sections.push_back(second);
    }
    return report;
}

TEST(ChangedSettings, CountsSettingsNotTheClock) {
    const FileReport before = Report({{"cameraMode", "Camera"},
                                      {"videoLength", "10 Sec"},
                                      {"clock", "2026-12-01 12:00:00"},
                                      {"timer1", "Off"}},
                                     {{"beepSound", "On"}});
    const FileReport after = Report({{"cameraMode", "Video"},
                                     {"videoLength", "10 Sec"},
                                     {"clock", "2026-12-09 23:00:00"},
                                     {"timer1", "On"}});
    EXPECT_EQ(ChangedSettings(before, after),
              (std::vector<std::string>{"cameraMode", "timer1", "beepSound"}));
    EXPECT_TRUE(ChangedSettings(after, after).empty());
}

TEST(ChangedSettings, TheDecoderReadsOfTwoRealFiles) {
    // menu.dat of a 9030MG as the camera form writes it, and with a 30-second video length.
    ClockSnapshot clock{2026, 12, 1, 12, 0, 0};
    CameraMenuSettings settings;
    settings.videoLength = 10;
    const MenuRecord first = BuildMenuRecord(settings, Family::Second, clock, 2, 0);
    settings.videoLength = 30;
    clock.day = 9;
    const MenuRecord second = BuildMenuRecord(settings, Family::Second, clock, 2, 0);
    const auto changed = ChangedSettings(DecodeMenuFile(first, 4), DecodeMenuFile(second, 4));
    EXPECT_EQ(changed, std::vector<std::string>{"videoLength"});
    // The factory record holds no settings: every setting of the new file counts.
    EXPECT_GT(
        ChangedSettings(DecodeMenuFile(FactoryMenuRecord(), 4), DecodeMenuFile(second, 4)).size(),
        20U);
}

TEST(ChangedSettings, Text) {
    EXPECT_EQ(ChangesText({}), "no setting changed");
    EXPECT_EQ(ChangesText({"timer1"}), "1 setting changed: timer1");
    EXPECT_EQ(ChangesText({"a", "b", "c", "d", "e", "f", "g"}),
              "7 settings changed: a, b, c, d, e and 2 more");
    EXPECT_EQ(ChangesText({"a", "b", "c", "d", "e", "f", "g"}, kChinese),
              "7 项设置改变：a, b, c, d, e 等，另有 2 项");
    // Writing the factory file: no count of the settings it drops.
    ClockSnapshot noon{2026, 12, 1, 12, 0, 0};
    const MenuRecord busy = BuildMenuRecord(OpeningCameraSettings(4), Family::Second, noon, 2, 0);
    EXPECT_EQ(ChangesBetween(DecodeMenuFile(busy, 4), DecodeMenuFile(FactoryMenuRecord(), 4)),
              "every setting returns to the camera's factory settings");
    EXPECT_EQ(ChangesBetween(DecodeMenuFile(busy, 4), DecodeMenuFile(busy, 4), kChinese),
              "没有设置改变");
}

}  // namespace
}  // namespace tov::cards
