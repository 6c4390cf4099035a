#include "common/Text.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

// Input repeated in a message neither drives the terminal nor breaks a line; text in any
// script passes unchanged.
TEST(Text, PrintableEscapesWhatDrivesTheTerminal) {
    for (const auto& [text, shown] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Größe 相机 🙂 \xc2\xa0", "Größe 相机 🙂 \xc2\xa0"},
             {std::string("a\x1b[31m\n\t\r\0\x7f", 11), "a\\x1B[31m\\n\\t\\r\\x00\\x7F"},
             {"c1 \xc2\x9b raw \x9b cut \xe7\x9b", "c1 \\xC2\\x9B raw \\x9B cut \\xE7\\x9B"},
             {"overlong \xc0\xaf surrogate \xed\xa0\x80",
              "overlong \\xC0\\xAF surrogate \\xED\\xA0\\x80"}}) {
        EXPECT_EQ(Printable(text), shown);
    }
    EXPECT_EQ(Quoted("x\ny"), "\"x\\ny\"");
}

}  // namespace
}  // namespace tov
