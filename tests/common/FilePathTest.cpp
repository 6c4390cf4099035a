#include "common/FilePath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace tov {
namespace {

struct JoinCase {
    const char* folder;
    const char* expected;
};

#ifdef _WIN32
constexpr JoinCase kJoins[] = {
    {"C:\\card", "C:\\card\\menu.dat"}, {"C:\\card\\", "C:\\card\\menu.dat"},
    {"E:\\", "E:\\menu.dat"},           {"E:", "E:\\menu.dat"},
    {"E:/DCIM/", "E:\\DCIM\\menu.dat"}, {"\\\\nas\\cards", "\\\\nas\\cards\\menu.dat"},
    {"C:\\相机", "C:\\相机\\menu.dat"},
};
#else
constexpr JoinCase kJoins[] = {
    {"/media/card", "/media/card/menu.dat"},
    {"/media/card/", "/media/card/menu.dat"},
    {"/", "/menu.dat"},
    {"/media/相机", "/media/相机/menu.dat"},
};
#endif

TEST(FilePath, JoinsWithOneHostSeparatorAndKeepsUtf8) {
    for (const JoinCase& c : kJoins) {
        EXPECT_EQ(PathText(JoinFolderPath(c.folder, "menu.dat")), c.expected) << c.folder;
    }
}

TEST(FilePath, DefaultFolderIsTheDriveOrTheHomeFolder) {
#ifdef _WIN32
    EXPECT_EQ(DefaultFolder(), "C:\\");
    EXPECT_TRUE(std::filesystem::path(DefaultFolder()).is_absolute());
#else
    const char* home = std::getenv("HOME");
    const std::optional<std::string> saved = home ? std::optional<std::string>(home) : std::nullopt;
    ::setenv("HOME", "/home/tov", 1);
    EXPECT_EQ(DefaultFolder(), "/home/tov");
    ::setenv("HOME", "", 1);
    EXPECT_EQ(DefaultFolder(), "/");
    ::unsetenv("HOME");
    EXPECT_EQ(DefaultFolder(), "/");
    if (saved) {
        ::setenv("HOME", saved->c_str(), 1);
    }
#endif
}

}  // namespace
}  // namespace tov
