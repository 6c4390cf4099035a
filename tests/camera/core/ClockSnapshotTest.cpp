#include "camera/core/ClockSnapshot.h"

#include <gtest/gtest.h>

namespace tov {
namespace {

TEST(ClockSnapshot, YearIsHeldToTheCameraRange) {
    for (const auto& [taken, held] :
         {std::pair{1601, 2011}, std::pair{2009, 2011}, std::pair{2010, 2010},
          std::pair{2031, 2031}, std::pair{2032, 2031}, std::pair{2040, 2031}}) {
        EXPECT_EQ(ReadClockSnapshot({taken, 1, 1, 0, 0, 0}).year, held) << taken;
    }
    const ClockSnapshot clock = ReadClockSnapshot({2009, 12, 31, 23, 58, 59});
    EXPECT_EQ((std::array{clock.month, clock.day, clock.hour, clock.minute, clock.second}),
              (std::array{12, 31, 23, 58, 59}));
}

TEST(ClockSnapshot, TextPerDateFormat) {
    const ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    EXPECT_EQ(FormatClockText(clock, 0), "2014/05/07 13:04:09");
    EXPECT_EQ(FormatClockText(clock, 1), "05/07/2014 13:04:09");
    EXPECT_EQ(FormatClockText(clock, 2), "07/05/2014 13:04:09");
    EXPECT_EQ(FormatClockText({2011, 12, 1, 0, 0, 0}, 2), "01/12/2011 00:00:00");
    EXPECT_EQ(FormatClockText(clock, -1), std::nullopt);
    EXPECT_EQ(FormatClockText(clock, 3), std::nullopt);
}

}  // namespace
}  // namespace tov
