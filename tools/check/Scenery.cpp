// scenery.dat: each type with its bitmap, each placement where the loader
// puts it.
#include "Bitmaps.h"
#include "Files.h"
#include "MapChecks.h"

#include "util/DataLine.h"

std::vector<Placement> checkScenery(World& world, const Map& map) {
    Report& report = world.report;
    const std::string file = mapFolder(map.name) + "scenery.dat";
    std::vector<std::string> lines;
    std::vector<Placement> placed;
    if (!readLines(file, lines)) {
        report.add(file, 0, "missing");
        return placed;
    }
    int32_t current = -1;
    size_t next = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int n = static_cast<int>(i) + 1;
        if (line.find('[') != std::string::npos && next < map.sceneryTypes.size()) {
            const SceneryType& type = map.sceneryTypes[next];
            const std::string picture = mapFolder(map.name) + type.name + ".bmp";
            SDL_Surface* image = map.sceneryImages[next].get();
            report.explain(picture);
            if (type.width <= 0 || type.height <= 0)
                report.add(file, n,
                           "type " + quote(type.name) + " needs a width and a height in fields, such as \"[oak] 2 2\"");
            if (!image)
                report.add(file, n, "scenery type " + quote(type.name) + " has no bitmap " + report.shown(picture));
            else if (type.width > 0 && type.height > 0)
                checkSize(report, picture, image->w, image->h, Wanted{25 * type.width, 25 * type.height});
            if (image) checkMagentaKey(report, picture, PictureFacts{image->w, image->h, hasWhiteCorners(image)});
            current = static_cast<int32_t>(next++);
            continue;
        }
        if (line.empty() || map.rows == 0 || map.cols == 0) continue;
        if (current < 0) {
            report.add(file, n, "comes before the first type line, the game skips it");
            continue;
        }
        int32_t column = 0, row = 0;
        dataline::readPair(line, column, row);
        // An object may reach past the edge: the part on the grid blocks, the picture is drawn whole.
        if (!map.contains(column, row)) {
            report.add(file, n, offMap(map, column, row) + ", the game skips it");
            continue;
        }
        const SceneryType& type = map.sceneryTypes[static_cast<size_t>(current)];
        placed.push_back(Placement{n, type.name, column, row, type.width, type.height});
    }
    return placed;
}

bool Placement::covers(int32_t c, int32_t r) const {
    // The loader blocks the top-left field even of an object without a size.
    return (c == column && r == row) ||
           (c >= column && r >= row && int64_t(c) < int64_t(column) + width && int64_t(r) < int64_t(row) + height);
}
