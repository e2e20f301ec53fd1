// Creatures and items of a map's data.ini on fields where they do not
// belong: terrain nobody enters, a travel field, under scenery.
#include "MapChecks.h"

namespace {

enum class Ground { kOpen, kBlocking, kTravel, kScenery };

// In the order canEnter looks at a field.
Ground groundOf(const Map& map, const Field& field) {
    if (map.blockingCodes.find(field.code) != std::string::npos || field.code == kNeverEnterCode)
        return Ground::kBlocking;
    if (field.code == kTravelCode) return Ground::kTravel;
    if (field.scenery != kNoScenery) return Ground::kScenery;
    return Ground::kOpen;
}

// "the "rock" of scenery.dat line 4": the last object placed over the field.
std::string objectOver(const std::vector<Placement>& scenery, int32_t column, int32_t row) {
    for (auto it = scenery.rbegin(); it != scenery.rend(); ++it)
        if (it->covers(column, row)) return "the " + quote(it->type) + " of scenery.dat line " + str(it->line);
    return "scenery";
}

}  // namespace

void checkStanding(World& world, const Map& map, const std::vector<Placed>& creatures, const std::vector<Placed>& items,
                   const std::vector<Placement>& scenery) {
    const std::string ini = mapFolder(map.name) + "data.ini";
    for (const Placed& c : creatures) {
        const Field& field = map.fieldAt(c.column, c.row);
        const std::string who = quote(c.id) + " stands on " + place(c.column, c.row);
        switch (groundOf(map, field)) {
            case Ground::kBlocking:
                world.report.warn(ini, c.line, who + ", whose terrain " + codeText(field.code) + " nobody can enter");
                break;
            case Ground::kTravel:
                world.report.add(ini, c.line, who + ", a travel field: it closes the way while it stands there");
                break;
            case Ground::kScenery:
                world.report.warn(ini, c.line, who + " under " + objectOver(scenery, c.column, c.row));
                break;
            case Ground::kOpen: break;
        }
    }
    for (const Placed& i : items) {
        const Field& field = map.fieldAt(i.column, i.row);
        const std::string what = "item " + quote(i.id) + " lies on " + place(i.column, i.row);
        const char* const never = ": it can never be picked up";
        switch (groundOf(map, field)) {
            case Ground::kBlocking:
                world.report.add(ini, i.line,
                                 what + ", whose terrain " + codeText(field.code) + " nobody can enter" + never);
                break;
            case Ground::kTravel:
                world.report.add(ini, i.line,
                                 what + ", a travel field: stepping there travels, so it can never be picked up");
                break;
            case Ground::kScenery:
                world.report.add(ini, i.line, what + " under " + objectOver(scenery, i.column, i.row) + never);
                break;
            case Ground::kOpen: break;
        }
    }
}
