#include "common/Checksum.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace tov {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(Crc16Xmodem, MatchesTheStandardCheckValues) {
    EXPECT_EQ(Crc16Xmodem(Bytes("123456789")), 0x31C3);
    EXPECT_EQ(Crc16Xmodem({}), 0x0000);
    EXPECT_EQ(Crc16Xmodem(Bytes("A")), 0x58E5);
    // The factory record's 50 covered bytes.
    std::array<std::uint8_t, 50> factory{};
    factory[0] = factory[1] = factory[2] = factory[3] = 0xFF;
    EXPECT_EQ(Crc16Xmodem(factory), 0x8890);
}

}  // namespace
}  // namespace tov
