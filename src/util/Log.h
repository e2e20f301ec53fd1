// Progress and failure lines on standard output, one per call, flushed at once.
#pragma once

#include <string>

namespace logging {

// Prefixes of the failure line. They differ on purpose: the item picture has
// two blanks after the colon, a scenery picture has no colon.
inline const char* const kLoadingFile = "Loading file: ";
inline const char* const kLoadingItemImage = "Loading file:  ";
inline const char* const kLoadingSceneryImage = "Loading file ";

void line(const std::string& text);
// prefix + "\"" + path + "\" FAILURE"
void failure(const char* prefix, const std::string& path);

}  // namespace logging
