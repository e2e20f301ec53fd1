// Writes item directories into a TempWorld: "data\items\<id>\data.ini" and,
// unless told otherwise, the picture "<id>.bmp".
#pragma once

#include "support/TestWorld.h"

#include <string>

void writeItem(const TempWorld& world, const std::string& id, const std::string& dataIni, bool withPicture = true);
