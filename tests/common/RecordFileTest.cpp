#include "common/RecordFile.h"

#include "common/Checksum.h"

#include <gtest/gtest.h>

#include <span>

namespace tov {
namespace {

RecordFileBody Body(std::uint8_t first, std::uint8_t second) {
    RecordFileBody body;
    body.fill(MakeTextRecord(""));
    body[0] = BlankRecord();
    body[0][0] = first;
    body[0][1] = second;
    body[3] = MakeTextRecord("8080");
    return body;
}

TEST(RecordFile, StoredImageAndTrailer) {
    const RecordFileBody body = Body(0x01, 0x02);
    const std::vector<std::uint8_t> bytes = BuildRecordFile(body, 18);
    ASSERT_EQ(bytes.size(), kRecordFileSize);
    EXPECT_EQ(bytes[0], 0xEF);         // 0x01 stored
    EXPECT_EQ(bytes[1], 0xDF);         // 0x02 stored
    EXPECT_EQ(bytes[3 * 60 + 57], 4);  // a length byte stays plain
    const std::span<const std::uint8_t> stored(bytes.data(), 660);
    EXPECT_EQ(bytes[716] | (bytes[717] << 8), (Crc16Xmodem(stored) + 18) & 0xFFFF);
    for (std::size_t r = 0; r < 12; ++r) {
        EXPECT_EQ(bytes[r * 60 + 58], 0x0D) << r;
        EXPECT_EQ(bytes[r * 60 + 59], 0x0A) << r;
    }

    const RecordFileReading reading = ReadRecordFile(bytes);
    EXPECT_TRUE(reading.sizeOk);
    EXPECT_EQ(reading.plain, body);
    EXPECT_TRUE(reading.badLineEnds.empty());
    EXPECT_TRUE(reading.trailerZero);
    EXPECT_EQ(reading.storedCheck, static_cast<std::uint16_t>(reading.crc + 18));
}

TEST(RecordFile, CheckWrapsAroundPast65535) {
    // Find a body whose stored bytes check to 0xFFF5: with the constant 15 the trailer
    // must hold 0x0004.
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned b = 0; b < 256; ++b) {
            const std::vector<std::uint8_t> bytes = BuildRecordFile(
                Body(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)), 15);
            if (Crc16Xmodem(std::span(bytes).first(660)) == 0xFFF5) {
                EXPECT_EQ(bytes[716], 0x04);
                EXPECT_EQ(bytes[717], 0x00);
                return;
            }
        }
    }
    FAIL() << "no body checks to 0xFFF5";
}

TEST(RecordFile, ReadingADamagedFileSaysWhere) {
    std::vector<std::uint8_t> bytes = BuildRecordFile(Body(0, 0), 0);
    bytes[5 * 60 + 59] = 0x00;
    bytes.resize(700);
    const RecordFileReading reading = ReadRecordFile(bytes);
    EXPECT_FALSE(reading.sizeOk);
    EXPECT_EQ(reading.badLineEnds, (std::vector<int>{5, 11}));
}

}  // namespace
}  // namespace tov
