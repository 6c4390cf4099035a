#include "camera/MenuRecordDecoder.h"

#include "camera/MenuRecord.h"
#include "common/MenuChecksum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tov {
namespace {

std::map<std::string, std::string> Meanings(const std::vector<DecodedMenuField>& fields) {
    std::map<std::string, std::string> meanings;
    for (const DecodedMenuField& field : fields) {
        meanings[field.name] = field.meaning;
    }
    return meanings;
}

void Reseal(MenuRecord& record) {
    PutChecksum(record, kMenuChecksumOffset, MenuChecksum(std::span(record).first(50)));
}

MenuRecord SecondFamilyRecord() {
    CameraMenuSettings9030 settings;
    settings.cameraMode = 2;
    settings.imageSize = 1;
    settings.videoLength = 60;
    settings.intervalValue = 30;
    settings.intervalUnit = 0;
    settings.serialOn = 1;
    settings.serialChars = {10, 9, 35, 0};
    settings.beepSound = 0;
    settings.sdCycle = 1;
    settings.timer2 = 1;
    settings.timer2StopMinute = 45;
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    return BuildMenuRecord9030(settings, clock, kDeutsch, 0x0107);
}

TEST(MenuRecordDecoder, ReadsEveryFieldOfAWrittenRecordForItsModel) {
    const MenuRecord record = SecondFamilyRecord();
    const MenuFileReport report = DecodeMenuFile(record, 4);
    EXPECT_FALSE(report.damaged());
    EXPECT_TRUE(report.notes.empty());
    EXPECT_FALSE(report.factory);
    EXPECT_FALSE(report.firstFamily);
    ASSERT_TRUE(report.secondFamily);

    const auto common = Meanings(report.common);
    EXPECT_EQ(common.at("cameraMode"), "Camera+Video");
    EXPECT_EQ(common.at("imageSize"), "5MP");
    EXPECT_EQ(common.at("videoSize"), "1280x720");
    EXPECT_EQ(common.at("videoLength"), "60 Sec");
    EXPECT_EQ(common.at("interval"), "30 Sec");
    EXPECT_EQ(common.at("clock"), "2014-05-07 13:04:09");
    EXPECT_EQ(common.at("serialChars"), "A9Z0");
    EXPECT_EQ(common.at("language"), "Deutsch");
    EXPECT_EQ(common.at("tvMode"), "7");

    const auto second = Meanings(*report.secondFamily);
    EXPECT_EQ(second.at("beepSound"), "Off");
    EXPECT_EQ(second.at("sdCycle"), "On");
    EXPECT_EQ(second.at("timer2"), "On");
    EXPECT_EQ(second.at("timer2StopMinute"), "45");

    // Every byte up to 37 belongs to exactly one field of the reading.
    std::vector<int> covered(38, 0);
    for (const auto* fields : {&report.common, &*report.secondFamily}) {
        for (const DecodedMenuField& field : *fields) {
            ASSERT_EQ(field.bytes.size(), field.length);
            EXPECT_TRUE(std::equal(field.bytes.begin(), field.bytes.end(),
                                   record.begin() + static_cast<long>(field.offset)));
            for (std::size_t i = 0; i < field.length; ++i) {
                ++covered[field.offset + i];
            }
        }
    }
    EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), 38);
}

TEST(MenuRecordDecoder, ModelDecidesSizeMeaningsAndTheFamilyReading) {
    CameraMenuSettings2740 settings;
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    const MenuRecord record = BuildMenuRecord2740(settings, clock, kEnglish, 0);

    EXPECT_EQ(Meanings(DecodeMenuFile(record, 1).common).at("imageSize"), "5MP");
    EXPECT_EQ(Meanings(DecodeMenuFile(record, 5).common).at("imageSize"), "12MP");

    const MenuFileReport first = DecodeMenuFile(record, 3);
    EXPECT_TRUE(first.firstFamily);
    EXPECT_FALSE(first.secondFamily);

    // Without a model both readings of bytes 31..37 are given, and each model's size.
    const MenuFileReport unknown = DecodeMenuFile(record, std::nullopt);
    ASSERT_TRUE(unknown.firstFamily);
    ASSERT_TRUE(unknown.secondFamily);
    EXPECT_EQ(Meanings(*unknown.firstFamily).at("timer2"), "Off");
    EXPECT_EQ(Meanings(*unknown.secondFamily).at("beepSound"), "Off");
    const std::string imageSize = Meanings(unknown.common).at("imageSize");
    EXPECT_NE(imageSize.find("5MP (Tov 2740M, Tov 2740MG)"), std::string::npos);
    EXPECT_NE(imageSize.find("12MP (Tov 9030M, Tov 9030MG, Tov 2760MG)"), std::string::npos);
}

TEST(MenuRecordDecoder, FactoryRecordIsRecognisedAndSound) {
    const MenuFileReport report = DecodeMenuFile(FactoryMenuRecord(), std::nullopt);
    EXPECT_TRUE(report.factory);
    EXPECT_FALSE(report.damaged());
    EXPECT_EQ(report.storedChecksum, 0x8890);
    EXPECT_TRUE(report.common.empty());

    MenuRecord almost = FactoryMenuRecord();
    almost[4] = 1;
    Reseal(almost);
    EXPECT_FALSE(DecodeMenuFile(almost, std::nullopt).factory);
}

TEST(MenuRecordDecoder, DamageIsListedBySizeLineEndAndChecksum) {
    const MenuRecord good = SecondFamilyRecord();
    std::vector<std::uint8_t> bytes(good.begin(), good.end());

    auto shorter = bytes;
    shorter.pop_back();
    const MenuFileReport tooShort = DecodeMenuFile(shorter, 2);
    ASSERT_EQ(tooShort.problems.size(), 1U);
    EXPECT_EQ(tooShort.problems[0], "size is 59 bytes, expected 60");
    EXPECT_TRUE(tooShort.common.empty());

    auto longer = bytes;
    longer.push_back(0);
    const MenuFileReport tooLong = DecodeMenuFile(longer, 2);
    EXPECT_EQ(tooLong.problems.size(), 1U);
    EXPECT_TRUE(tooLong.checksumOk);

    auto lineEnd = bytes;
    lineEnd[59] = 0x00;
    const MenuFileReport badLineEnd = DecodeMenuFile(lineEnd, 2);
    ASSERT_EQ(badLineEnd.problems.size(), 1U);
    EXPECT_FALSE(badLineEnd.lineEndOk);

    auto content = bytes;
    content[4] = 20;
    const MenuFileReport badChecksum = DecodeMenuFile(content, 2);
    ASSERT_EQ(badChecksum.problems.size(), 1U);
    EXPECT_FALSE(badChecksum.checksumOk);
    EXPECT_NE(badChecksum.storedChecksum, badChecksum.computedChecksum);
}

TEST(MenuRecordDecoder, UnexpectedValuesAreNotedWithoutDamage) {
    MenuRecord record = SecondFamilyRecord();
    record[0] = 7;      // no such camera mode
    record[6] = 0xC8;   // 72 seconds
    record[29] = 12;    // no such language
    record[52] = 0x11;  // reserved, outside the checksum
    Reseal(record);
    const MenuFileReport report = DecodeMenuFile(record, 2);
    EXPECT_FALSE(report.damaged());
    ASSERT_EQ(report.notes.size(), 4U);
    EXPECT_NE(report.notes[0].find("byte 0 (cameraMode): 07"), std::string::npos);
    EXPECT_NE(report.notes[1].find("byte 6 (interval): C8"), std::string::npos);
    EXPECT_NE(report.notes[2].find("byte 29 (language): 0C"), std::string::npos);
    EXPECT_NE(report.notes[3].find("bytes 50..55"), std::string::npos);
}

}  // namespace
}  // namespace tov
