#include "app/FieldMessages.h"
#include "app/CheckIntRange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov {
namespace {

class RecordingPlatform final : public Platform {
public:
    std::vector<std::string> messages;
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ShowFieldMessage(std::string_view) override {}
    std::optional<std::string> PickFolder() override { return std::nullopt; }
    LocalDateTime LocalTime() override { return {}; }
    std::uint16_t SystemLanguageId() override { return 0x0409; }
    void OpenUrl(std::string_view) override {}
};

TEST(FieldMessages, ToolRangeMessageInChineseOnlyForLanguageOne) {
    EXPECT_EQ(RangeMessage(1, 60, 2), "Please enter an integer between 1 and 60!");
    EXPECT_EQ(RangeMessage(0, 59, 10), "Please enter an integer between 0 and 59!");
    EXPECT_EQ(RangeMessage(0, 23, 1), "请输入一个介于0和23之间的值!");
}

TEST(FieldMessages, PlatformFieldMessagesAreChineseInEveryLanguage) {
    EXPECT_EQ(FieldRangeMessage(0, 23), "“请填入一个在0和23之间的整数。”");
    EXPECT_EQ(FieldLengthMessage(80), "“请填入不多于80个的字符。”");
    EXPECT_EQ(NotAnIntegerMessage(), "请键入一个整数。");
}

TEST(FieldMessages, WriteFailureNamesPathAndReason) {
    const std::string english =
        WriteFailureMessage("/media/card/menu.dat", "Read-only file system", 2);
    EXPECT_NE(english.find("/media/card/menu.dat"), std::string::npos);
    EXPECT_NE(english.find("Read-only file system"), std::string::npos);
    const std::string chinese =
        WriteFailureMessage("/media/card/menu.dat", "Read-only file system", 1);
    EXPECT_NE(chinese.find("无法写入"), std::string::npos);
    EXPECT_NE(chinese.find("/media/card/menu.dat"), std::string::npos);
}

TEST(CheckIntRange, ShowsTheMessageOnlyOutsideTheBounds) {
    RecordingPlatform platform;
    EXPECT_TRUE(CheckIntRange(platform, 2, 0, 0, 59));
    EXPECT_TRUE(CheckIntRange(platform, 2, 59, 0, 59));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(CheckIntRange(platform, 2, 60, 0, 59));
    EXPECT_FALSE(CheckIntRange(platform, 1, -1, 0, 59));
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[0], "Please enter an integer between 0 and 59!");
    EXPECT_EQ(platform.messages[1], "请输入一个介于0和59之间的值!");
}

}  // namespace
}  // namespace tov
