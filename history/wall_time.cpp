#include "history/wall_time.h"

#include <cstdio>
#include <ctime>

namespace trelvist::history {

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

WallTime civilFromSeconds(int64_t seconds) {
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) rest += 86400, --days;
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2));
    return {year, month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60), ""};
}

// The day of the month of the n-th Sunday (n = -1: the last) of a month.
int sunday(int year, int month, int n) {
    // 1970-01-01 was a Thursday; weekday 0 is Sunday.
    const auto weekday = [&](int day) { return static_cast<int>(((daysFromCivil(year, month, day) + 4) % 7 + 7) % 7); };
    if (n > 0) {
        const int first = 1 + (7 - weekday(1)) % 7;
        return first + 7 * (n - 1);
    }
    const int last = static_cast<int>(daysFromCivil(month == 12 ? year + 1 : year, month % 12 + 1, 1) -
                                      daysFromCivil(year, month, 1));
    return last - weekday(last);
}

// Daylight time starts at 2:00 standard time and ends at 2:00 daylight time, local.
bool easternDaylight(int64_t seconds) {
    const int year = civilFromSeconds(seconds - 5 * 3600).year;
    int startMonth, startDay, endMonth, endDay;
    if (year >= 2007) {
        startMonth = 3, startDay = sunday(year, 3, 2), endMonth = 11, endDay = sunday(year, 11, 1);
    } else if (year >= 1987) {
        startMonth = 4, startDay = sunday(year, 4, 1), endMonth = 10, endDay = sunday(year, 10, -1);
    } else if (year == 1974) {
        startMonth = 1, startDay = 6, endMonth = 10, endDay = 27;
    } else if (year == 1975) {
        startMonth = 2, startDay = 23, endMonth = 10, endDay = 26;
    } else {
        startMonth = 4, startDay = sunday(year, 4, -1), endMonth = 10, endDay = sunday(year, 10, -1);
    }
    const int64_t start = daysFromCivil(year, startMonth, startDay) * 86400 + 2 * 3600 + 5 * 3600;
    const int64_t end = daysFromCivil(year, endMonth, endDay) * 86400 + 2 * 3600 + 4 * 3600;
    return seconds >= start && seconds < end;
}

}  // namespace

WallTime wallTime(int64_t secondsSince1970) {
    const std::time_t t = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
            local.tm_zone ? local.tm_zone : ""};
}

WallTime easternTime(int64_t secondsSince1970) {
    const bool daylight = easternDaylight(secondsSince1970);
    WallTime time = civilFromSeconds(secondsSince1970 - (daylight ? 4 : 5) * 3600);
    time.zone = "ET";
    return time;
}

std::string isoDate(const WallTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

}  // namespace trelvist::history
