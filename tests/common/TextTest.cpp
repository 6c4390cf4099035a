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
              "overlong \\xC0\\xAF surrogate \\xED\\xA0\\x80"},
             // Direction overrides and isolates, joiners, the byte-order mark.
             {"a\u202Eb\u2066c\u200Dd\uFEFF",
              "a\\xE2\\x80\\xAEb\\xE2\\x81\\xA6c\\xE2\\x80\\x8Dd\\xEF\\xBB\\xBF"}}) {
        EXPECT_EQ(Printable(text), shown);
    }
    EXPECT_EQ(Quoted("x\ny"), "\"x\\ny\"");
}

// A file's bytes reach the terminal as printable ASCII only, whatever the code page made of them.
TEST(Text, QuotedBytesShowsOnlyPrintableAscii) {
    EXPECT_EQ(QuotedBytes("apn.example 1"), "\"apn.example 1\"");
    EXPECT_EQ(QuotedBytes(std::string("a\0\x1B\x7F\x81\xE9\"\\", 8)),
              "\"a\\x00\\x1B\\x7F\\x81\\xE9\\x22\\x5C\"");
    EXPECT_EQ(QuotedBytes("\u202E"), "\"\\xE2\\x80\\xAE\"");
}

// Where a setting's first forbidden character lies, counted in characters from 1.
TEST(Text, ForbiddenCharacterPosition) {
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"plain text 相机 Größe \xc2\xa0", std::nullopt},
        {std::string("ab\0", 3), 3},
        {"\x1B[2J", 1},
        {"a\rb", 2},
        {"a\nb", 2},
        {"a\tb", 2},
        {"a\x7F", 2},
        {"相机\u0085", 3},
        {"\u0081", 1},
        {"\u009F", 1},
        {"ab\u200Dc", 3},
        {"ab\u202Ec", 3},
        {"ab\u2067c", 3},
        {"\uFEFFabc", 1},
        {"ab\u200Bc", 3},
        {"a\xff", 2},
        {"a\xe4\xb8", 2},
    };
    for (const auto& [text, position] : cases) {
        EXPECT_EQ(ForbiddenCharacterPosition(text), position) << Printable(text);
    }
}

}  // namespace
}  // namespace tov
