#include "camera/core/ClockSnapshot.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov {

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

bool IsRealDate(int year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(year, month);
}

ClockSnapshot RecordClock(ClockSnapshot clock) {
    clock.year = std::clamp(clock.year, kClockFirstYear, kClockLastYear);
    if (const int last = DaysInMonth(clock.year, clock.month); clock.day > last && last > 0) {
        clock.day = last;
    }
    return clock;
}

ClockSnapshot ReadClockSnapshot(const LocalDateTime& now) {
    // A clock that was never set is taken as one year into the camera's range.
    const int year = now.year < kClockFirstYear ? kClockFirstYear + 1 : now.year;
    return RecordClock({year, now.month, now.day, now.hour, now.minute, now.second});
}

std::string ClockText(const ClockSnapshot& clock) {
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d:%02d", clock.year,
                  clock.month, clock.day, clock.hour, clock.minute, clock.second);
    return text.data();
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
