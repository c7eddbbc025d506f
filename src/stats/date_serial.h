#pragma once

#include <optional>

namespace quellan {

// A day of the proleptic Gregorian calendar.
struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// A date-time as a serial number of days since 30 December 1899 at midnight; the fraction is
// the time of day. Dates from 1 January 100 to 31 December 9999 are representable.
class DateSerial {
public:
    // The zero date, 30 December 1899.
    DateSerial() = default;

    // Nothing when serial lies outside the representable dates.
    static std::optional<DateSerial> FromSerial(double serial);

    double Serial() const { return serial_; }

    // The calendar day of the date part.
    CalendarDate Date() const;

    friend bool operator==(const DateSerial&, const DateSerial&) = default;

private:
    explicit DateSerial(double serial) : serial_(serial) {}

    double serial_ = 0.0;
};

}  // namespace quellan
