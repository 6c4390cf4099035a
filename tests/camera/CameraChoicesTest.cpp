#include "camera/CameraChoices.h"

#include "camera/CameraModelInfo.h"
#include "camera/CameraTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace tov {
namespace {

using List = std::vector<std::string_view>;

TEST(CameraModelInfo, SizesAndTitlesPerModel) {
    struct Case {
        int model;
        const char* title;
        List images;
        List videos;
        int modes;
    };
    const List images2740 = {"5MP", "12MP", "1.3MP"};
    const List videos2740 = {"640x480", "320x240"};
    const List images9030 = {"12MP", "5MP", "2MP"};
    const List videos9030 = {"1440x1080", "1280x720", "640x480"};
    for (const Case& c : {
             Case{1, "Tov Brenn 2740", images2740, videos2740, 3},
             Case{2, "Tov Brenn 9030", images9030, videos9030, 3},
             Case{3, "Tov Brenn 2740", images2740, videos2740, 3},
             Case{4, "Tov Brenn 9030", images9030, videos9030, 3},
             Case{5,
                  "Tov Brenn 2760",
                  {"12MP", "5MP", "1.3MP"},
                  {"1280x720", "640x480", "320x240"},
                  3},
             Case{0, "Tov Brenn 2740", {}, videos2740, 2},
             Case{6, "Tov Brenn 2740", {}, videos2740, 2},
         }) {
        const CameraModelInfo& info = CameraModelInfoFor(c.model);
        EXPECT_EQ(info.family, FamilyOf(c.model)) << c.model;
        EXPECT_EQ(CameraFormTitle(info), c.title) << c.model;
        EXPECT_EQ(CameraChoices(CameraList::ImageSize, c.model, kEnglish), c.images) << c.model;
        EXPECT_EQ(CameraChoices(CameraList::VideoSize, c.model, kEnglish), c.videos) << c.model;
        EXPECT_EQ(CameraChoices(CameraList::CameraMode, c.model, kEnglish).size(),
                  static_cast<std::size_t>(c.modes))
            << c.model;
    }
}

TEST(CameraChoices, OnOffListsPerFamily) {
    for (const int model : {1, 2}) {
        for (const CameraList list : {CameraList::TimeStamp, CameraList::TimeLapse}) {
            EXPECT_EQ(CameraChoices(list, model, kEnglish), (List{"On", "Off"}));
        }
        for (const CameraList list :
             {CameraList::SidePir, CameraList::Timer1, CameraList::Timer2, CameraList::SerialOn}) {
            EXPECT_EQ(CameraChoices(list, model, kEnglish), (List{"Off", "On"}));
        }
    }
    for (const CameraList list : {CameraList::BeepSound, CameraList::SdCycle}) {
        EXPECT_EQ(CameraChoices(list, 4, kEnglish), (List{"Off", "On"}));
        EXPECT_TRUE(CameraChoices(list, 5, kEnglish).empty());
    }
}

TEST(CameraChoices, SerialCharactersAreDigitsThenLetters) {
    const List chars = CameraChoices(CameraList::SerialChar, 2, kJapanese);
    ASSERT_EQ(chars.size(), 36U);
    std::string joined;
    for (const std::string_view c : chars) {
        EXPECT_EQ(c.size(), 1U);
        joined += c;
    }
    EXPECT_EQ(joined, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(CameraChoices, TextsFollowTheFormsFamilyTable) {
    // Lithuanian has its own table in the first family only.
    for (const int model : {1, 2}) {
        const CameraChoiceTexts& t = CameraTextsFor(FamilyOf(model), kLithuanian).choices;
        EXPECT_EQ(CameraChoices(CameraList::PictureCount, model, kLithuanian),
                  List(t.pictureNumbers.begin(), t.pictureNumbers.end()));
    }
}

}  // namespace
}  // namespace tov
