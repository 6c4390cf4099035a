#include "profiles/core/Csv.h"

#include <gtest/gtest.h>

namespace tov::profiles {
namespace {

// A log line as a spreadsheet opens it: formulas neutralised, control characters escaped,
// then the usual quoting.
TEST(CsvTest, LogLinesCannotDriveASpreadsheetOrATerminal) {
    EXPECT_EQ(CsvLogLine({"=HYPERLINK(\"http://x\")", "+cmd|' /C calc'!A0", "-2", "@SUM(A1)", "\tx",
                          "\rx", "card\x1b[31m", std::string("a\0b", 3), "\xE2\x80\xAEtxt", "a-b=c",
                          "a,b", ""}),
              "\"'=HYPERLINK(\"\"http://x\"\")\",'+cmd|' /C calc'!A0,'-2,'@SUM(A1),'\\tx,'\\rx,"
              "card\\x1B[31m,a\\x00b,\\xE2\\x80\\xAEtxt,a-b=c,\"a,b\",");
}

}  // namespace
}  // namespace tov::profiles
