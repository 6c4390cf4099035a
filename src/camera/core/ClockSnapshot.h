#pragma once

#include "common/LocalDateTime.h"

#include <optional>
#include <string>

namespace tov {

/// The years a menu record can carry: its clock year byte holds the year minus 2010.
inline constexpr int kClockFirstYear = 2010;
inline constexpr int kClockLastYear = 2031;

/// The clock value the camera forms show and write.
struct ClockSnapshot {
    int year = kClockFirstYear + 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// The days of `month` (1..12) in `year` of the Gregorian calendar; 0 for any other month.
int DaysInMonth(int year, int month);

/// Whether the date exists (29 February only in leap years).
bool IsRealDate(int year, int month, int day);

/// The clock a menu record carries: the year held to 2010..2031, then the day held to the last
/// day of its month in that year, so that 29 February 2040 becomes 28 February 2031 and never
/// a date the camera's clock cannot take.
ClockSnapshot RecordClock(ClockSnapshot clock);

/// A snapshot of the local clock: a year after 2031 becomes 2031, a year before 2010 becomes
/// 2011 (a clock that was never set is taken as one year into the camera's range), then the
/// day is held as RecordClock holds it; the other fields are taken as they are.
ClockSnapshot ReadClockSnapshot(const LocalDateTime& now);

/// "2014-05-07 13:04:09": the clock for the command line and inspect.
std::string ClockText(const ClockSnapshot& clock);

/// The Set Clock text for date format 0 (YYMMDD), 1 (MMDDYY) or 2 (DDMMYY); no value for
/// any other index (the text then stays as it was).
std::optional<std::string> FormatClockText(const ClockSnapshot& clock, int dateFormat);

}  // namespace tov
