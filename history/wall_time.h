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

// "2026-12-08"
std::string isoDate(const WallTime& time);

}  // namespace trelvist::history
