#include "common/Record60.h"

#include <gtest/gtest.h>

#include <string>

namespace tov {
namespace {

TEST(Record60, TextRecordLayout) {
    const Record60 record = MakeTextRecord("APN");
    EXPECT_EQ(record[0], 'A');
    EXPECT_EQ(record[2], 'N');
    EXPECT_EQ(record[3], 0);
    EXPECT_EQ(record[57], 3);
    EXPECT_EQ(record[58], 0x0D);
    EXPECT_EQ(record[59], 0x0A);
}

TEST(Record60, LongTextIsCutToTheTextArea) {
    const Record60 fifty = MakeTextRecord(std::string(50, 'u'));
    EXPECT_EQ(fifty[49], 'u');
    EXPECT_EQ(fifty[50], 0);
    EXPECT_EQ(fifty[57], 50);

    const Record60 tooLong = MakeTextRecord(std::string(70, 'x'));
    EXPECT_EQ(tooLong[56], 'x');
    EXPECT_EQ(tooLong[57], 57);
    EXPECT_EQ(tooLong[58], 0x0D);
}

TEST(Record60, ScrambleComplementsAndSwapsNibblesOfTheFirstFiftyBytes) {
    Record60 record = BlankRecord();
    record[0] = 0x00;
    record[1] = 0x01;
    record[2] = 0x31;
    record[3] = 0x2B;
    record[49] = 0x00;
    record[50] = 0x12;
    record[57] = 4;
    ScrambleRecord(record);
    EXPECT_EQ(record[0], 0xFF);
    EXPECT_EQ(record[1], 0xEF);
    EXPECT_EQ(record[2], 0xEC);
    EXPECT_EQ(record[3], 0x4D);
    EXPECT_EQ(record[49], 0xFF);
    // Bytes 50..59 stay readable in the stored file.
    EXPECT_EQ(record[50], 0x12);
    EXPECT_EQ(record[57], 4);
    EXPECT_EQ(record[58], 0x0D);
    EXPECT_EQ(record[59], 0x0A);
}

TEST(Record60, EmptyTextRecordScramblesToAllFF) {
    Record60 record = MakeTextRecord("");
    ScrambleRecord(record);
    for (std::size_t i = 0; i < 50; ++i) {
        EXPECT_EQ(record[i], 0xFF) << i;
    }
    for (std::size_t i = 50; i < 58; ++i) {
        EXPECT_EQ(record[i], 0x00) << i;
    }
}

TEST(Record60, ChecksumIsStoredLowByteFirst) {
    Record60 record = BlankRecord();
    PutChecksum(record, 56, 0xF505);
    EXPECT_EQ(record[56], 0x05);
    EXPECT_EQ(record[57], 0xF5);
}

}  // namespace
}  // namespace tov
