#include "history/wall_time.h"

#include <cstdio>
#include <ctime>

namespace trelvist::history {

WallTime wallTime(int64_t secondsSince1970) {
    const std::time_t t = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
            local.tm_zone ? local.tm_zone : ""};
}

std::string isoDate(const WallTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

}  // namespace trelvist::history
