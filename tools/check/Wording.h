// Words the text panels would have to break: wider than the 405 pixels the
// quest log and the dialogue wrap to.
#pragma once

#include "World.h"

#include <string>

// Wraps the text as the panel does (first line after `lead`, later lines
// after `continuation`) and reports every word the wrap cuts.
void checkWords(World& world, const std::string& file, int line, const std::string& text, const std::string& lead = "",
                const std::string& continuation = "");
