#include "stats/date_serial.h"

#include <chrono>
#include <cmath>

namespace quellan {
namespace {

constexpr double kFirstSerial = -657434.0;     // 1 January 100
constexpr double kPastLastSerial = 2958466.0;  // 1 January 10000

}  // namespace

std::optional<DateSerial> DateSerial::FromSerial(double serial) {
    if (!(serial >= kFirstSerial && serial < kPastLastSerial)) {
        return std::nullopt;
    }
    return DateSerial(serial);
}

CalendarDate DateSerial::Date() const {
    using namespace std::chrono;
    // The day part counts toward zero: -1.5 is 29 December 1899 at noon.
    const auto dayNumber = static_cast<int>(std::trunc(serial_));
    const year_month_day date{sys_days{1899y / December / 30} + days{dayNumber}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

}  // namespace quellan
