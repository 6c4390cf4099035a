#include "common/Text.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

// Input repeated in a message can neither drive the terminal nor break a line; text in any
// script passes unchanged.
TEST(Text, PrintableEscapesWhatDrivesTheTerminal) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Größe 相机 🙂", "Größe 相机 🙂"},
        {"a\x1b[31mb", "a\\x1B[31mb"},
        {"line\nbreak\ttab\rret", "line\\nbreak\\ttab\\rret"},
        {std::string_view("nul\0del\x7f", 8), "nul\\x00del\\x7F"},
        {"c1 \xc2\x9b and nbsp \xc2\xa0", "c1 \\xC2\\x9B and nbsp \xc2\xa0"},
        {"raw \x9b, cut \xe7\x9b, overlong \xc0\xaf",
         "raw \\x9B, cut \\xE7\\x9B, overlong \\xC0\\xAF"},
        {"surrogate \xed\xa0\x80", "surrogate \\xED\\xA0\\x80"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(Printable(text), shown) << shown;
    }
    EXPECT_EQ(Quoted("x\ny"), "\"x\\ny\"");
}

}  // namespace
}  // namespace tov
