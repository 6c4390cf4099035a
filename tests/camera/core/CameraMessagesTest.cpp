#include "camera/core/CameraMessages.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(CameraMessages, ConfirmationPerModelWriterAndLanguage) {
    for (const auto& [model, number] :
         {std::pair{2, "9030"}, std::pair{4, "9030"}, std::pair{1, "2740"}, std::pair{3, "2740"},
          std::pair{5, "2760"}}) {
        const ModelInfo& info = ModelFor(model);
        const std::string tov = std::string("Tov ") + number;
        EXPECT_EQ(MenuConfirmation(info, false, kEnglish),
                  tov + " Configuration file is generated");
        EXPECT_EQ(MenuConfirmation(info, true, kLithuanian),
                  tov + " Camera menu factory settings file has been generated");
        EXPECT_EQ(MenuConfirmation(info, false, kChinese), tov + " 相机菜单设置文件已经生成");
        EXPECT_EQ(MenuConfirmation(info, true, kChinese), tov + " 相机菜单出厂设置文件已经生成");
    }
    // A model index outside the list writes its files without a confirmation.
    for (const bool factory : {false, true}) {
        EXPECT_EQ(MenuConfirmation(ModelFor(0), factory, kEnglish), std::nullopt);
        EXPECT_EQ(MenuConfirmation(ModelFor(7), factory, kChinese), std::nullopt);
    }
}

}  // namespace
}  // namespace tov
