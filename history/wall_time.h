#pragma once
// A moment as the local clock on the wall reads it: the time zone comes from the system (TZ).
#include <cstdint>
#include <string>

namespace trelvist::history {

struct WallTime {
    int year, month, day, hour, minute, second;
    std::string zone;  // its abbreviation, such as "CET" or "UTC"
};

WallTime wallTime(int64_t secondsSince1970);

// The same moment on the US east coast, whatever the system's zone: hand-history readers take
// the time of a hand from the room's Eastern time, so it is written beside the local time.
// Eastern daylight time follows the US rules in force each year from 1970 on.
WallTime easternTime(int64_t secondsSince1970);

// "2026-12-08"
std::string isoDate(const WallTime& time);

}  // namespace trelvist::history
