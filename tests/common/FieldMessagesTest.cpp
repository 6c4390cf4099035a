#include "common/FieldMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov {
namespace {

TEST(FieldMessages, ToolRangeMessageInChineseOnlyForLanguageOne) {
    EXPECT_EQ(RangeMessage(1, 60, 2), "Please enter an integer between 1 and 60!");
    EXPECT_EQ(RangeMessage(0, 59, 10), "Please enter an integer between 0 and 59!");
    EXPECT_EQ(RangeMessage(0, 23, 1), "请输入一个介于0和23之间的值!");
}

TEST(FieldMessages, PlatformFieldMessagesAreChineseInEveryLanguage) {
    EXPECT_EQ(StandardRangeMessage(0, 23), "“请填入一个在0和23之间的整数。”");
    EXPECT_EQ(StandardLengthMessage(80), "“请填入不多于80个的字符。”");
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

}  // namespace
}  // namespace tov
