#include "support/ItemFiles.h"

void writeItem(const TempWorld& world, const std::string& id, const std::string& dataIni, bool withPicture) {
    world.write("data\\items\\" + id + "\\data.ini", dataIni);
    if (withPicture) world.writeBitmap("data\\items\\" + id + "\\" + id + ".bmp", 32, 32, 200, 100, 50);
}
