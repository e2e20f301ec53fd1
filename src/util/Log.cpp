#include "util/Log.h"

#include <iostream>

namespace logging {

void line(const std::string& text) { std::cout << text << '\n' << std::flush; }

void failure(const char* prefix, const std::string& path) {
    line(std::string(prefix) + "\"" + path + "\" FAILURE");
}

}  // namespace logging
