#include "common/Models.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov {
namespace {

using List = std::vector<std::string_view>;

List ListOf(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

// What the model list fixes for each model; 0 and 7 stand for stored values outside it.
TEST(Models, EveryModelAndWhatItImplies) {
    struct Case {
        int index;
        std::string name;
        Family family;
        std::string title;
        bool email;
        bool confirms;
        List images;
        List videos;
        int modes;
    };
    const List images2740 = {"5MP", "12MP", "1.3MP"};
    const List videos2740 = {"640x480", "320x240"};
    const List images9030 = {"12MP", "5MP", "2MP"};
    const List videos9030 = {"1440x1080", "1280x720", "640x480"};
    const Case cases[] = {
        {1, "Tov 2740M", Family::First, "Tov Brenn 2740", false, true, images2740, videos2740, 3},
        {2, "Tov 9030M", Family::Second, "Tov Brenn 9030", false, true, images9030, videos9030, 3},
        {3, "Tov 2740MG", Family::First, "Tov Brenn 2740", true, true, images2740, videos2740, 3},
        {4, "Tov 9030MG", Family::Second, "Tov Brenn 9030", true, true, images9030, videos9030, 3},
        {5,
         "Tov 2760MG",
         Family::First,
         "Tov Brenn 2760",
         true,
         true,
         {"12MP", "5MP", "1.3MP"},
         {"1280x720", "640x480", "320x240"},
         3},
        {0, "model 0", Family::First, "Tov Brenn 2740", true, false, {}, videos2740, 2},
        {7, "model 7", Family::First, "Tov Brenn 2740", true, false, {}, videos2740, 2},
    };
    ASSERT_EQ(Models().size(), 5U);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const ModelInfo& model = ModelFor(c.index);
        EXPECT_EQ(ModelDisplayName(c.index), c.name);
        EXPECT_EQ(FamilyOf(c.index), c.family);
        EXPECT_EQ(FormTitle(model), c.title);
        EXPECT_EQ(model.hasEmailForm, c.email);
        EXPECT_EQ(model.confirms, c.confirms);
        EXPECT_EQ(ListOf(model.imageSizes), c.images);
        EXPECT_EQ(ListOf(model.videoSizes), c.videos);
        EXPECT_EQ(model.cameraModeCount, c.modes);
    }
    EXPECT_EQ(ShortModelName(ModelFor(4)), "9030MG");
}

}  // namespace
}  // namespace tov
