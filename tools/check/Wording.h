// Texts too wide for the 405 pixels of the text panels: words the quest log
// and the dialogue would have to break, and quest log rows it shortens.
#pragma once

#include "World.h"

#include <string>

// Wraps the text as the panel does (first line after `lead`, later lines
// after `continuation`) and reports every word the wrap cuts.
void checkWords(World& world, const std::string& file, int line, const std::string& text, const std::string& lead = "",
                const std::string& continuation = "");

// A quest log row is never wrapped: wider than the panel, it loses its last
// words to "...".
void checkLogRow(World& world, const std::string& file, int line, const std::string& row);
