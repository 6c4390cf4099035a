#include "common/FilePath.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(FilePath, JoinsWithOneSeparator) {
    EXPECT_EQ(PathText(JoinFolderPath("/media/card", "menu.dat")), "/media/card/menu.dat");
    EXPECT_EQ(PathText(JoinFolderPath("/media/card/", "menu.dat")), "/media/card/menu.dat");
    EXPECT_EQ(PathText(JoinFolderPath("/", "menu.dat")), "/menu.dat");
}

TEST(FilePath, KeepsUtf8FolderNames) {
    EXPECT_EQ(PathText(JoinFolderPath("/media/相机", "menu.dat")), "/media/相机/menu.dat");
}

TEST(FilePath, DefaultFolderIsAbsolute) {
    EXPECT_FALSE(DefaultFolder().empty());
    EXPECT_TRUE(std::filesystem::path(DefaultFolder()).is_absolute());
}

}  // namespace
}  // namespace tov
