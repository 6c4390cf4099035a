#pragma once

#include "app/Platform.h"

#include <optional>
#include <string>

namespace tov {

/// The years a menu record can carry: byte 14 holds the year minus 2010.
inline constexpr int kClockFirstYear = 2010;
inline constexpr int kClockLastYear = 2031;

/// The clock value the camera forms show and write.
struct ClockSnapshot {
    int year = 2011;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// A snapshot of the local clock: a year after 2031 becomes 2031, a year before 2010
/// becomes 2011 (not 2010); the other fields are taken as they are.
ClockSnapshot ReadClockSnapshot(const LocalDateTime& now);

/// The Set Clock text for date format 0 (YYMMDD), 1 (MMDDYY) or 2 (DDMMYY); no value for
/// any other index (the text then stays as it was).
std::optional<std::string> FormatClockText(const ClockSnapshot& clock, int dateFormat);

}  // namespace tov
