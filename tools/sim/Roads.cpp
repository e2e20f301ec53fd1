#include "Roads.h"

#include "Drive.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "util/Seam.h"
#include "world/Map.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

using Place = std::pair<int32_t, int32_t>;

// Creatures act within this many fields of the player.
constexpr int32_t kSight = 10;

std::string at(const Place& place) { return std::to_string(place.first) + ":" + std::to_string(place.second); }

int32_t sign(int32_t n) { return (n > 0) - (n < 0); }

// Every field of the route in walking order; a leg that is not straight is
// walked along its row first.
std::vector<Place> fieldsOf(const Route& route) {
    std::vector<Place> way;
    if (route.corners.empty()) return way;
    Place here = route.corners.front();
    way.push_back(here);
    for (const Place& corner : route.corners) {
        while (here.first != corner.first) {
            here.first += sign(corner.first - here.first);
            way.push_back(here);
        }
        while (here.second != corner.second) {
            here.second += sign(corner.second - here.second);
            way.push_back(here);
        }
    }
    return way;
}

int32_t directionTo(const Place& from, const Place& to) {
    if (to.second < from.second) return 1;
    if (to.second > from.second) return 2;
    return to.first < from.first ? 3 : 4;
}

void startAt(const Sandbox& sandbox, const std::string& map, const Place& place) {
    sandbox.write("data\\maps\\start.dat",
                  map + " " + std::to_string(place.first) + " " + std::to_string(place.second) + "\n");
}

std::string whatBlocks(const Map& map, const Place& place) {
    if (!map.contains(place.first, place.second)) return "off the map";
    const Field& field = map.fieldAt(place.first, place.second);
    if (field.scenery >= 0 && field.scenery < static_cast<int32_t>(map.sceneryTypes.size()))
        return "a " + map.sceneryTypes[static_cast<size_t>(field.scenery)].name + " stands there";
    if (field.scenery != kNoScenery) return "scenery covers it";
    return std::string("terrain '") + field.code + "' blocks it";
}

// Walks the way with the arrow keys; the field where a step is refused.
bool walk(Game& game, const std::vector<Place>& way, Place& refused) {
    Player& hero = *game.player;
    for (size_t i = 1; i < way.size(); ++i) {
        const int32_t direction = directionTo({hero.x, hero.y}, way[i]);
        if (hero.direction != direction) drive::press(game, direction);
        drive::press(game, direction);
        if (hero.x != way[i].first || hero.y != way[i].second) {
            refused = way[i];
            return false;
        }
    }
    return true;
}

// The hostile creatures of the map and where they stand.
std::vector<std::pair<Place, std::string>> hostiles(Map& map) {
    std::vector<std::pair<Place, std::string>> found;
    for (int32_t row = 0; row < map.rows; ++row)
        for (int32_t column = 0; column < map.cols; ++column)
            if (const NPC* npc = dynamic_cast<const NPC*>(map.fieldAt(column, row).occupant); npc && npc->agression)
                found.push_back({{column, row}, npc->id});
    return found;
}

}  // namespace

std::vector<Route> shippedRoutes() {
    return {
        {"village, from the square to the east road", "village", {{25, 19}, {25, 17}, {46, 17}}},
        {"forest, the road in to the wolves' clearing", "forest", {{1, 19}, {33, 19}}},
        {"forest, north into the bandit camp", "forest", {{33, 19}, {33, 9}}},
        {"forest, south and east past the ruins to the way down", "forest", {{33, 19}, {33, 30}, {48, 30}}},
        {"crypt, from the stairs to the chieftain's throne", "crypt", {{1, 16}, {38, 16}}},
    };
}

std::vector<std::string> checkRoutes(SDL_Surface* screen, const Sandbox& sandbox, const std::vector<Route>& routes,
                                     uint32_t patienceMs) {
    std::vector<std::string> findings;
    uint32_t now = 1000000;
    std::mt19937 dice(1);
    drive::setClock(now);
    seam::setRoll([&dice] { return static_cast<int>(dice() % 32768); });
    for (const Route& route : routes) {
        const std::vector<Place> way = fieldsOf(route);
        if (way.empty()) continue;
        startAt(sandbox, route.map, way.front());
        std::vector<std::pair<Place, std::string>> creatures;
        {
            Game game(screen);
            game.worldBuffer.reset();
            creatures = hostiles(*game.map);
            drive::keepOnly(*game.map, [](const NPC&) { return false; });
            Place refused;
            if (!walk(game, way, refused))
                findings.push_back(route.name + ": the way is blocked at " + at(refused) + ", " +
                                   whatBlocks(*game.map, refused));
        }
        // Each creature, alone, against the player standing where it first
        // sees the player on the way.
        for (const auto& [home, id] : creatures) {
            auto seen = std::find_if(way.begin(), way.end(), [&home = home](const Place& p) {
                return std::max(std::abs(p.first - home.first), std::abs(p.second - home.second)) <= kSight;
            });
            if (seen == way.end()) continue;
            startAt(sandbox, route.map, *seen);
            Game game(screen);
            game.worldBuffer.reset();
            const std::vector<CreatureLink> kept =
                drive::keepOnly(*game.map, [&home = home](const NPC& npc) { return npc.x == home.first && npc.y == home.second; });
            if (kept.empty() || !*kept.front()) continue;
            Characters& creature = **kept.front();
            const uint32_t before = creature.lastActionTime;
            const uint32_t start = now;
            while (creature.lastActionTime == before && !game.gameOver && now - start < patienceMs)
                drive::tick(game, now);
            if (creature.lastActionTime == before && !game.gameOver)
                findings.push_back(route.name + ": the " + id + " from " + at(home) + " sees the player at " +
                                   at(*seen) + " but has not struck or shot after " +
                                   std::to_string(patienceMs / 1000) + " s; it stands at " +
                                   at({creature.x, creature.y}));
        }
    }
    seam::reset();
    return findings;
}
