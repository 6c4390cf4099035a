#include "camera/core/ClockSnapshot.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov {

int RecordClockYear(int year) {
    return std::clamp(year, kClockFirstYear, kClockLastYear);
}

ClockSnapshot ReadClockSnapshot(const LocalDateTime& now) {
    // A clock that was never set is taken as one year into the camera's range.
    const int year = now.year < kClockFirstYear ? kClockFirstYear + 1 : RecordClockYear(now.year);
    return {year, now.month, now.day, now.hour, now.minute, now.second};
}

std::optional<std::string> FormatClockText(const ClockSnapshot& clock, int dateFormat) {
    // The date parts in the order the format shows them; the time always follows.
    std::array<int, 3> date{};
    switch (dateFormat) {
    case 0:
        date = {clock.year, clock.month, clock.day};
        break;
    case 1:
        date = {clock.month, clock.day, clock.year};
        break;
    case 2:
        date = {clock.day, clock.month, clock.year};
        break;
    default:
        return std::nullopt;
    }
    // Room for six ints of any value and their separators.
    std::array<char, 96> text{};
    const int written = std::snprintf(
        text.data(), text.size(),
        dateFormat == 0 ? "%d/%02d/%02d %02d:%02d:%02d" : "%02d/%02d/%04d %02d:%02d:%02d", date[0],
        date[1], date[2], clock.hour, clock.minute, clock.second);
    if (written < 0) {
        return std::nullopt;
    }
    return std::string(text.data());
}

}  // namespace tov
