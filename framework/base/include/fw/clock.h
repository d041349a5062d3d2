// Dates, time stamps and angles held as degrees, minutes and seconds.
#pragma once
#include <cstdint>
#include <string>

namespace fw {

struct Date {
    int year = 1970;
    int month = 1;
    int day = 1;
};
Date today();
// "%d年%d月%d日"
std::string dateText(const Date& d);
std::string todayText();
// Seconds since 1970-01-01 00:00 UTC.
std::int64_t nowSeconds();

constexpr double kPi = 3.141592653589793;

struct AngleDms {
    int deg = 0;
    int min = 0;
    double sec = 0;
};
// deg + min/60 + sec/3600
double toDegrees(const AngleDms& a);
double toRadians(const AngleDms& a);
// Whole degrees, whole minutes and seconds by truncation (seconds keep their
// fraction; wholeSeconds truncates them too).
AngleDms fromDegrees(double degrees);
AngleDms fromDegreesWholeSeconds(double degrees);

}  // namespace fw
