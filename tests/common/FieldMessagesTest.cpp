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

// The previous file is said to be kept only when there was one and it was.
TEST(FieldMessages, WriteFailureNamesPathReasonAndThePreviousFile) {
    EXPECT_EQ(WriteFailureMessage("/card/menu.dat", {false, "Read-only file system", true}, 2),
              "Could not write /card/menu.dat: Read-only file system\n"
              "The previous file was left unchanged.");
    EXPECT_EQ(WriteFailureMessage("/card/menu.dat", {false, "Not a directory", false}, 2),
              "Could not write /card/menu.dat: Not a directory");
    EXPECT_EQ(
        WriteFailureMessage("/card\x1b[2J/menu.dat", {false, "", true, true}, 1),
        "无法写入文件 /card\\x1B[2J/menu.dat：卡上的数据与写入的数据不同；请换一张卡或读卡器\n"
        "原有文件未被改动。");
}

}  // namespace
}  // namespace tov
