// The label a saved game is listed under: the time it was made.
#pragma once

#include <ctime>
#include <string>

// " 16:30     31 Dec 2025": blank, hour:minute, five blanks, day, month,
// year, plain numbers. The clock is UTC two hours on, the date moving with it
// past midnight.
std::string saveLabel(std::time_t utc);
