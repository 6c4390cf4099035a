#include "profiles/core/Csv.h"

#include <gtest/gtest.h>

namespace tov::profiles {
namespace {

// A log line as a spreadsheet opens it: formulas neutralised, control characters escaped,
// then the usual quoting.
TEST(CsvTest, LogLinesCannotDriveASpreadsheetOrATerminal) {
    const struct {
        std::string cell;
        std::string line;
    } cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
        {"=1+1", "'=1+1"},
        {"-2", "'-2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\\tx"},
        {"\rx", "'\\rx"},
        {"card\x1b[31m", "card\\x1B[31m"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"a\nb", "a\\nb"},
        {"\xE2\x80\xAEtxt", "\\xE2\\x80\\xAEtxt"},
        {"a-b=c", "a-b=c"},
        {"a,b", "\"a,b\""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvLogLine({c.cell}), c.line) << c.cell;
    }
    EXPECT_EQ(CsvLogLine({"=x", "ok", "@y"}), "'=x,ok,'@y");
}

TEST(CsvTest, ByteOrderMarkAndColumnNames) {
    std::string error;
    const auto rows = ParseCsv("\xEF\xBB\xBF"
                               "destination,phone1\r\nx,1\r\n",
                               error);
    ASSERT_TRUE(rows) << error;
    ASSERT_EQ(rows->size(), 2U);
    EXPECT_EQ(rows->front().cells, (std::vector<std::string>{"destination", "phone1"}));
    // Only at the start: elsewhere it is a cell's text.
    EXPECT_EQ(ParseCsv("a\n\xEF\xBB\xBF"
                       "b\n",
                       error)
                  ->back()
                  .cells.front(),
              "\xEF\xBB\xBF"
              "b");

    const struct {
        std::vector<std::string> names;
        std::string refusal;
    } cases[] = {
        {{"destination", "phone1", "email"}, ""},
        {{"destination", "phone1", "phone1"}, "column 3 \"phone1\" repeats column 2"},
        {{"destination", "phone1", "email", " phone1 "}, "column 4 \"phone1\" repeats column 2"},
        {{"destination", "", "phone1"}, "column 2 has no name"},
        {{"destination", "  "}, "column 2 has no name"},
        {{"destination", "a\x1b[2J", "a\x1b[2J"}, "column 3 \"a\\x1B[2J\" repeats column 2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnNamesRefusal(c.names), c.refusal);
    }
}

}  // namespace
}  // namespace tov::profiles
