#include "common/Record60.h"

#include <gtest/gtest.h>

#include <string>

namespace tov {
namespace {

TEST(Record60, TextRecordLayoutAndReadBack) {
    for (const std::string& text :
         {std::string(), std::string("APN"), std::string(50, 'u'), std::string(57, 'x')}) {
        const Record60 record = MakeTextRecord(text);
        EXPECT_EQ(RecordText(record), text);
        EXPECT_EQ(record[57], text.size());
        EXPECT_TRUE(HasLineEnd(record));
        for (std::size_t i = text.size(); i < 57; ++i) {
            EXPECT_EQ(record[i], 0) << i;
        }
    }
    // Text past the 57-byte area is cut, never spilled into the length or line end.
    const Record60 tooLong = MakeTextRecord(std::string(70, 'x'));
    EXPECT_EQ(tooLong[57], 57);
    EXPECT_TRUE(HasLineEnd(tooLong));
}

TEST(Record60, ScrambleComplementsAndSwapsNibblesOfTheFirstFiftyBytes) {
    Record60 record = MakeTextRecord("");
    record[1] = 0x01;
    record[2] = 0x31;  // the digit 1
    record[3] = 0x2B;  // "+"
    record[50] = 0x12;
    const Record60 plain = record;
    ScrambleRecord(record);
    EXPECT_EQ(record[0], 0xFF);
    EXPECT_EQ(record[1], 0xEF);
    EXPECT_EQ(record[2], 0xEC);
    EXPECT_EQ(record[3], 0x4D);
    EXPECT_EQ(record[49], 0xFF);
    // Bytes 50..59 stay readable in the stored file.
    EXPECT_EQ(std::vector(record.begin() + 50, record.end()),
              std::vector(plain.begin() + 50, plain.end()));
    UnscrambleRecord(record);
    EXPECT_EQ(record, plain);
}

TEST(Record60, ChecksumIsStoredLowByteFirst) {
    Record60 record = BlankRecord();
    PutChecksum(record, 56, 0xF505);
    EXPECT_EQ(record[56], 0x05);
    EXPECT_EQ(record[57], 0xF5);
    EXPECT_EQ(ReadChecksum(record, 56), 0xF505);
}

}  // namespace
}  // namespace tov
