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

/// The year a menu record carries: held to 2010..2031.
int RecordClockYear(int year);

/// A snapshot of the local clock: a year after 2031 becomes 2031, a year before 2010 becomes
/// 2011 (a clock that was never set is taken as one year into the camera's range); the other
/// fields are taken as they are.
ClockSnapshot ReadClockSnapshot(const LocalDateTime& now);

/// The Set Clock text for date format 0 (YYMMDD), 1 (MMDDYY) or 2 (DDMMYY); no value for
/// any other index (the text then stays as it was).
std::optional<std::string> FormatClockText(const ClockSnapshot& clock, int dateFormat);

}  // namespace tov
