#include "World.h"

#include "Files.h"

World::~World() {
    // A map writes its kept state when it goes; a map without a name has none.
    for (auto& entry : maps)
        if (entry.second) entry.second->name.clear();
    maps.clear();
    items.clear();
    if (font) TTF_CloseFont(font);
}

Map* World::map(const std::string& name) {
    auto found = maps.find(name);
    if (found != maps.end()) return found->second.get();
    std::unique_ptr<Map>& slot = maps[name];
    if (hasFolder("data\\maps\\", name)) slot = std::make_unique<Map>(nullptr, name, nullptr);
    return slot.get();
}

const Item* World::item(const std::string& id) {
    auto found = items.find(id);
    if (found != items.end()) return found->second.get();
    ItemRef& slot = items[id];
    if (hasFolder("data\\items\\", id)) slot = makeItem(id);
    return slot.get();
}

const Item* World::itemNamedAt(const std::string& file, int line, const std::string& id) {
    if (const Item* found = item(id)) return found;
    const std::string folder = "data\\items\\" + id + "\\";
    if (id.empty())
        report.add(file, line, "an empty item id: the game makes an item without one");
    else
        report.add(file, line, "item " + quote(id) + " has no directory " + report.shown(folder));
    // The game's own two failure lines for it say the same.
    report.explain(folder + id + ".bmp");
    report.explain(folder + "data.ini");
    return nullptr;
}

const std::set<std::string>& World::exitsOf(const Map& map) {
    auto found = exits.find(map.name);
    if (found != exits.end()) return found->second;
    std::set<std::string>& targets = exits[map.name];
    for (const auto& row : map.grid)
        for (const Field& field : row)
            if (field.code == kTravelCode && !field.moveTarget.empty())
                targets.insert(field.moveTarget.substr(0, field.moveTarget.find('|')));
    return targets;
}
