#include "camera/core/CameraTexts.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace tov {
namespace {

constexpr Family kFamilies[] = {Family::First, Family::Second};

bool IsPlainAscii(std::string_view text) {
    for (const char ch : text) {
        if (ch < 0x20 || ch > 0x7E) {
            return false;
        }
    }
    return true;
}

bool IsJapaneseOnly(std::string_view CameraLabelTexts::*text) {
    return text == &CameraLabelTexts::start2 || text == &CameraLabelTexts::stop2 ||
           text == &CameraLabelTexts::hour || text == &CameraLabelTexts::minute ||
           text == &CameraLabelTexts::second;
}

std::vector<std::string_view> Texts(const CameraTextTable& table) {
    std::vector<std::string_view> texts;
    for (const auto text : AllLabelTexts()) {
        texts.push_back(table.labels.*text);
    }
    for (const auto text : AllChoiceTexts()) {
        texts.push_back(table.choices.*text);
    }
    return texts;
}

// Catches a missing text, a stray blank or accent, and two entries of a list made the same.
TEST(CameraTexts, EveryLanguageHasItsOwnCompleteWellFormedTable) {
    for (const Family family : kFamilies) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            SCOPED_TRACE(testing::Message() << "language " << language << " family "
                                            << (family == Family::First ? 1 : 2));
            const CameraTextTable own = CameraTextsFor(family, language, false);
            const bool cjk = language == kChinese || language == kJapanese;
            for (const auto text : AllLabelTexts()) {
                const std::string_view value = own.labels.*text;
                // Only Japanese replaces the time captions; elsewhere the English ones stand.
                EXPECT_EQ(value.empty(),
                          IsJapaneseOnly(text) && language != kJapanese && language != kEnglish &&
                              !(language == kLithuanian && family == Family::Second));
            }
            for (const std::string_view text : Texts(CameraTextsFor(family, language))) {
                ASSERT_FALSE(text.empty());
                EXPECT_TRUE(cjk || IsPlainAscii(text)) << text;
                // Only the Lithuanian Generate caption begins with a blank.
                EXPECT_TRUE(text.front() != ' ' || text == " Issaugoti") << '"' << text << '"';
                EXPECT_NE(text.back(), ' ') << '"' << text << '"';
            }
            const CameraChoiceTexts& c = CameraTextsFor(family, language).choices;
            EXPECT_EQ(std::set({c.cameraMode0, c.cameraMode1, c.cameraMode2}).size(), 3U);
            EXPECT_EQ(std::set({c.pictureCount0, c.pictureCount1, c.pictureCount2}).size(), 3U);
            EXPECT_EQ(std::set({c.senseNormal, c.senseHigh, c.senseLow, c.senseOff}).size(), 4U);
            EXPECT_EQ(std::set({c.dateYmd, c.dateMdy, c.dateDmy}).size(), 3U);
            EXPECT_NE(c.seconds, c.minutes);
            EXPECT_NE(c.on, c.off);
        }
    }
}

TEST(CameraTexts, WhichTableAFormUses) {
    const std::vector<std::string_view> english = Texts(CameraTextsFor(Family::First, kEnglish));
    // Lithuanian has its own table in the first family only; unknown languages get English.
    EXPECT_EQ(CameraTextsFor(Family::First, kLithuanian).labels.mode, "Rezimas");
    EXPECT_EQ(Texts(CameraTextsFor(Family::Second, kLithuanian)), english);
    for (const Family family : kFamilies) {
        for (const int language : {0, -1, 12, INT_MIN, INT_MAX}) {
            EXPECT_EQ(Texts(CameraTextsFor(family, language)), english) << language;
        }
    }
    // Both families share each language's table, but for the Slovensko interval units.
    std::set<std::string_view> selectCaptions;
    for (int language = 1; language <= kLanguageCount; ++language) {
        CameraTextTable first = CameraTextsFor(Family::First, language);
        CameraTextTable second = CameraTextsFor(Family::Second, language);
        selectCaptions.insert(first.choices.select);
        if (language == kSlovensko) {
            EXPECT_EQ(std::pair(first.choices.seconds, first.choices.minutes),
                      std::pair(std::string_view("Sek."), std::string_view("Min.")));
            EXPECT_EQ(std::pair(second.choices.seconds, second.choices.minutes),
                      std::pair(std::string_view("Sek"), std::string_view("Min")));
            second.choices.seconds = first.choices.seconds;
            second.choices.minutes = first.choices.minutes;
        }
        if (language != kLithuanian) {
            EXPECT_EQ(Texts(first), Texts(second)) << language;
        }
    }
    EXPECT_EQ(selectCaptions.size(), std::size_t{kLanguageCount}) << "two languages share a table";
}

TEST(CameraTexts, TextsTheCameraShowsAsTheyAre) {
    const CameraTextTable japanese = CameraTextsFor(Family::Second, kJapanese);
    EXPECT_EQ((std::vector{japanese.labels.start2, japanese.labels.stop2, japanese.labels.hour,
                           japanese.labels.minute, japanese.labels.second}),
              (std::vector<std::string_view>{"開始:", "終了:", "時", "分", "秒"}));
    const CameraTextTable chinese = CameraTextsFor(Family::First, kChinese);
    EXPECT_EQ(chinese.choices.off, "关");
    EXPECT_EQ(chinese.choices.senseOff, "关闭");
    EXPECT_EQ(chinese.choices.cameraMode2, "Camera+Video");
    EXPECT_EQ(CameraTextsFor(Family::First, kLithuanian).choices.pictureCount0, "01 Photo");
    EXPECT_EQ(CameraTextsFor(Family::First, kFrancais).labels.serialNo, "No de ssrie");
}

}  // namespace
}  // namespace tov
