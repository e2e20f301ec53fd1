#include "menu/SaveLabel.h"

namespace {
const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "June",
                                 "July", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::time_t kTwoHours = 2 * 60 * 60;
}  // namespace

std::string saveLabel(std::time_t utc) {
    // Shifting the instant, not the hour, carries into day, month and year.
    std::time_t shifted = utc + kTwoHours;
    std::tm at{};
    if (!gmtime_r(&shifted, &at)) return " ";
    return " " + std::to_string(at.tm_hour) + ":" + std::to_string(at.tm_min) + "     " + std::to_string(at.tm_mday) +
           " " + kMonths[at.tm_mon] + " " + std::to_string(at.tm_year + 1900);
}
