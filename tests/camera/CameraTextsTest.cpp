#include "camera/CameraTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tov {
namespace {

// Every text a language must provide: the labels but the Japanese-only ones, then the choices.
std::vector<std::string_view> RequiredTexts(const CameraTextTable& t) {
    const CameraLabelTexts& l = t.labels;
    const CameraChoiceTexts& c = t.choices;
    std::vector<std::string_view> texts{
        l.mode,     l.imageSize,   l.videoSize, l.pictureNo, l.timeStamp, l.senseLevel,
        l.sidePir,  l.videoLength, l.interval,  l.setClock,  l.timer,     l.timer2,
        l.serialNo, l.timeLapse,   l.start,     l.stop,      l.generate,  l.defaults,
        l.exit,     l.dateFormat,  l.getTime,   c.on,        c.off,       c.select};
    texts.insert(texts.end(), c.cameraModes.begin(), c.cameraModes.end());
    texts.insert(texts.end(), c.pictureNumbers.begin(), c.pictureNumbers.end());
    texts.insert(texts.end(), c.senseLevels.begin(), c.senseLevels.end());
    texts.insert(texts.end(), c.intervalUnits.begin(), c.intervalUnits.end());
    texts.insert(texts.end(), c.dateFormats.begin(), c.dateFormats.end());
    return texts;
}

bool IsPlainAscii(std::string_view text) {
    for (char ch : text) {
        if (ch < 0x20 || ch > 0x7E) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
bool AllDistinct(const std::array<std::string_view, N>& entries) {
    return std::set<std::string_view>(entries.begin(), entries.end()).size() == N;
}

constexpr Family kFamilies[] = {Family::First, Family::Second};
constexpr int kOutOfRange[] = {0, -1, 12, 100, INT_MIN, INT_MAX};

const CameraTextTable& English() {
    return CameraTextsFor(Family::First, kEnglish);
}

TEST(CameraTextsChoice, EachLanguageHasItsOwnTableSharedByBothFamilies) {
    std::set<std::string_view> selectCaptions;
    for (int language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const CameraTextTable& first = CameraTextsFor(Family::First, language);
        selectCaptions.insert(first.choices.select);
        if (language == kLithuanian || language == kSlovensko) {
            continue;
        }
        EXPECT_EQ(RequiredTexts(first), RequiredTexts(CameraTextsFor(Family::Second, language)));
    }
    EXPECT_EQ(selectCaptions.size(), std::size_t{kLanguageCount}) << "two languages share a table";
}

TEST(CameraTextsChoice, LithuanianAndUnknownLanguagesFallBackToEnglish) {
    EXPECT_EQ(CameraTextsFor(Family::First, kLithuanian).labels.mode, "Rezimas");
    EXPECT_EQ(RequiredTexts(CameraTextsFor(Family::Second, kLithuanian)), RequiredTexts(English()));
    EXPECT_EQ(English().labels.generate, "Generate");
    for (Family family : kFamilies) {
        for (int language : kOutOfRange) {
            SCOPED_TRACE(language);
            EXPECT_EQ(RequiredTexts(CameraTextsFor(family, language)), RequiredTexts(English()));
        }
    }
}

TEST(CameraTextsChoice, SlovenskoIntervalUnitsAreTheOnlyFamilyDifference) {
    const CameraTextTable& first = CameraTextsFor(Family::First, kSlovensko);
    CameraTextTable second = CameraTextsFor(Family::Second, kSlovensko);
    EXPECT_EQ(first.choices.intervalUnits[0], "Sek.");
    EXPECT_EQ(first.choices.intervalUnits[1], "Min.");
    EXPECT_EQ(second.choices.intervalUnits[0], "Sek");
    EXPECT_EQ(second.choices.intervalUnits[1], "Min");
    second.choices.intervalUnits = first.choices.intervalUnits;
    EXPECT_EQ(RequiredTexts(first), RequiredTexts(second));
}

// Catches a missing cell, a stray blank or accent, and a row shifted inside a list.
TEST(CameraTextsStructure, EveryTableIsCompleteAndWellFormed) {
    for (Family family : kFamilies) {
        for (int language = 0; language <= kLanguageCount + 1; ++language) {
            SCOPED_TRACE(testing::Message() << "language " << language << " family "
                                            << (family == Family::First ? 1 : 2));
            const CameraTextTable& table = CameraTextsFor(family, language);
            const bool cjk = language == kChinese || language == kJapanese;
            for (std::string_view text : RequiredTexts(table)) {
                ASSERT_FALSE(text.empty());
                EXPECT_TRUE(cjk || IsPlainAscii(text)) << text;
                // Only the Lithuanian Generate caption begins with a blank.
                EXPECT_TRUE(text.front() != ' ' || text == " Issaugoti") << '"' << text << '"';
                EXPECT_NE(text.back(), ' ') << '"' << text << '"';
            }
            const CameraChoiceTexts& c = table.choices;
            EXPECT_TRUE(AllDistinct(c.cameraModes));
            EXPECT_TRUE(AllDistinct(c.pictureNumbers));
            EXPECT_TRUE(AllDistinct(c.senseLevels));
            EXPECT_TRUE(AllDistinct(c.intervalUnits));
            EXPECT_TRUE(AllDistinct(c.dateFormats));
            EXPECT_NE(c.on, c.off);
            for (std::size_t i = 0; i < c.pictureNumbers.size(); ++i) {
                EXPECT_EQ(c.pictureNumbers[i].substr(0, 3), "0" + std::to_string(i + 1) + " ");
            }
            // The sense level list ends with the off word everywhere but in Chinese.
            EXPECT_EQ(c.senseLevels[3] == c.off, language != kChinese) << c.senseLevels[3];

            const CameraLabelTexts& l = table.labels;
            const std::array<std::string_view, 5> japaneseOnly{l.start2, l.stop2, l.hour, l.minute,
                                                               l.second};
            if (language == kJapanese) {
                EXPECT_EQ(japaneseOnly,
                          (std::array<std::string_view, 5>{"開始:", "終了:", "時", "分", "秒"}));
            } else {
                EXPECT_EQ(japaneseOnly, decltype(japaneseOnly){});
            }
        }
    }
}

// A few exact texts per language, spread over the table to catch typos and shifted rows.
struct SpotCheck {
    int language;
    std::string_view imageSize, timer2, exit, cameraMode2, on, senseLevel2, unit1, dateFormat1;
};

constexpr SpotCheck kSpotChecks[] = {
    {kChinese, "图象尺寸", "定时设置2", "退出", "Camera+Video", "开", "低", "分", "月日年"},
    {kEnglish, "Image Size", "Timer2", "Exit", "Camera+Video", "On", "Low", "Min", "MMDDYY"},
    {kDeutsch, "Foto-Groesse", "Zeitschaltuhr2", "Beenden", "Foto+Video", "Ein", "Niedring", "Min",
     "MMDDYY"},
    {kSuomi, "kuvan koko", "ajastinkytkin2", "poistu", "kam+Video", "paalla", "matala", "min.",
     "KKPPVV"},
    {kItaliano, "Dim. foto", "Timer2", "Indiet", "Foto e video", "ON", "Bassa", "min.", "MMDDYY"},
    {kFrancais, "Taille photo", "Minuterie2", "Retour", "Photo+Video", "Marche", "Bas", "Min",
     "MMDDYY"},
    {kMagyar, "Fenykepmer.", "Idokapcs. ora2", "Vissz.", "Camera+Video", "Be", "Alacsony", "prec",
     "MMDDYY"},
    {kSlovensko, "Velikost slike", "Merilnik casa2", "Nazaj", "Slika+Video", "Vklop", "Nizko",
     "Min.", "MMDDYY"},
    {kCesky, "Rozlis.foto", "Casovac2", "Vystup", "Foto+Video", "Zapnuto", "Nizka", "Min",
     "MMDDRR"},
    {kJapanese, "静止画解像度", "タイマー2", "終了", "静止画+動画", "オン", "低", "分", "MMDDYY"},
    {kLithuanian, "Nuotraukos rez.", "Timeris2", "Iseiti", "Foto+Video", "IJ.", "Zemas", "min",
     "mmddMM"},
};

TEST(CameraTextsContent, SpotChecksPerLanguage) {
    for (const SpotCheck& spot : kSpotChecks) {
        SCOPED_TRACE(spot.language);
        const CameraTextTable& t = CameraTextsFor(Family::First, spot.language);
        EXPECT_EQ(t.labels.imageSize, spot.imageSize);
        EXPECT_EQ(t.labels.timer2, spot.timer2);
        EXPECT_EQ(t.labels.exit, spot.exit);
        EXPECT_EQ(t.choices.cameraModes[2], spot.cameraMode2);
        EXPECT_EQ(t.choices.on, spot.on);
        EXPECT_EQ(t.choices.senseLevels[2], spot.senseLevel2);
        EXPECT_EQ(t.choices.intervalUnits[1], spot.unit1);
        EXPECT_EQ(t.choices.dateFormats[1], spot.dateFormat1);
    }
}

TEST(CameraTextsContent, UnusualTextsAreKeptAsTheCameraShowsThem) {
    const CameraTextTable& lithuanian = CameraTextsFor(Family::First, kLithuanian);
    EXPECT_EQ(lithuanian.labels.generate, " Issaugoti");
    EXPECT_EQ(lithuanian.choices.off, "ISJ.");
    EXPECT_EQ(CameraTextsFor(Family::First, kFrancais).labels.serialNo, "No de ssrie");
    const CameraChoiceTexts& chinese = CameraTextsFor(Family::First, kChinese).choices;
    EXPECT_EQ(chinese.off, "关");
    EXPECT_EQ(chinese.senseLevels[3], "关闭");
    // Chinese and Magyar name the camera modes in English; Japanese and Lithuanian the pictures.
    for (int language : {kChinese, kMagyar}) {
        EXPECT_EQ(CameraTextsFor(Family::First, language).choices.cameraModes,
                  English().choices.cameraModes);
    }
    for (int language : {kJapanese, kLithuanian}) {
        EXPECT_EQ(CameraTextsFor(Family::First, language).choices.pictureNumbers,
                  English().choices.pictureNumbers);
    }
}

}  // namespace
}  // namespace tov
