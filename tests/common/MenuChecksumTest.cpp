#include "common/MenuChecksum.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace tov {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(MenuChecksum, MatchesCrc16XmodemCheckValues) {
    EXPECT_EQ(MenuChecksum(Bytes("123456789")), 0x31C3);
    EXPECT_EQ(MenuChecksum({}), 0x0000);
    EXPECT_EQ(MenuChecksum(Bytes("A")), 0x58E5);
}

TEST(MenuChecksum, FactoryRecordPrefixGives8890) {
    std::array<std::uint8_t, 50> bytes{};
    bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0xFF;
    EXPECT_EQ(MenuChecksum(bytes), 0x8890);
}

TEST(MenuChecksum, StartsAgainAtZeroForEveryCall) {
    const auto data = Bytes("menu");
    const std::uint16_t first = MenuChecksum(data);
    EXPECT_EQ(MenuChecksum(data), first);
}

}  // namespace
}  // namespace tov
