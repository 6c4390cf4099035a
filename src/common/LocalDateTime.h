#pragma once

namespace tov {

/// A reading of the local clock (or a time given in its place).
struct LocalDateTime {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

}  // namespace tov
