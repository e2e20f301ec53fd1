#include "ui/InterfaceFixture.h"

#include "support/ItemFiles.h"

using namespace colours;

InterfaceTest::InterfaceTest() {
    writeGuiBitmaps();
    world.copyShippedData("comic.ttf");
    player = std::make_unique<Player>(5, 5, "Gracz");
}

void InterfaceTest::writeBands(const std::string& path, int width, std::initializer_list<Band> bands) const {
    int height = 0;
    for (const Band& b : bands) height += b.rows;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    int top = 0;
    for (const Band& b : bands) {
        SDL_Rect band = {0, static_cast<Sint16>(top), static_cast<Uint16>(width), static_cast<Uint16>(b.rows)};
        SDL_FillRect(s, &band, SDL_MapRGB(s->format, b.colour[0], b.colour[1], b.colour[2]));
        top += b.rows;
    }
    SDL_SaveBMP(s, (world.root() + "/data/GUI/" + path).c_str());
    SDL_FreeSurface(s);
}

void InterfaceTest::writeGuiBitmaps() const {
    world.writeBitmap("data/GUI/field.bmp", 35, 34, 100, 100, 0);  // makes the folder too
    const Colour gap = {5, 5, 5};
    writeBands("emptyStripes.bmp", 200, {{20, kEmptyHP}, {20, kEmptyMP}});
    writeBands("fullStripes.bmp", 198, {{16, kFullHP}, {2, gap}, {16, kFullMP}});
    writeBands("NPCStripesPanel.bmp", 60, {{4, kStripeHP}, {1, gap}, {4, kStripeMP}});
    writeBands("adds.bmp", 9, {{9, kPlusReleased}, {1, gap}, {9, kPlusPressed}});
    writeBands("NPCPanel.bmp", 100, {{140, kNpcPanel}});
    writeBands("mAttack.bmp", 80, {{16, kAttack}});
    writeBands("mSearch.bmp", 80, {{16, kSearch}});
    writeBands("mTalk.bmp", 80, {{16, kTalk}});
    writeBands("mPickUp.bmp", 80, {{16, kPickUp}});
    writeBands("mTrade.bmp", 80, {{16, {1, 2, 3}}});
    writeBands("panelStats.bmp", 300, {{210, kStatsPanel}});
    writeBands("panelPSPA.bmp", 60, {{35, kPointsBox}});
}

void InterfaceTest::writeItem(const std::string& id, const std::string& type, Colour picture) const {
    ::writeItem(world, id, "name=" + id + "\ntype=" + type + "\n", false);
    world.writeBitmap("data/items/" + id + "/" + id + ".bmp", 25, 25, picture[0], picture[1], picture[2]);
}

void InterfaceTest::writeCharacter(const std::string& id, const std::string& dataIni, bool talks) const {
    const std::string folder = "data/characters/" + id + "/";
    world.write(folder + "data.ini", dataIni);
    world.writeBitmap(folder + id + ".bmp", 103, 81, kSprite[0], kSprite[1], kSprite[2]);
    world.writeBitmap(folder + "dead.bmp", 25, 25, kDead[0], kDead[1], kDead[2]);
    if (talks) world.write(folder + id + ".dg", "Hello.\n");
}

Interface& InterfaceTest::ui() {
    if (!interface) interface = std::make_unique<Interface>(player.get(), sdl.screen);
    return *interface;
}

void InterfaceTest::drawFrame(const ItemRef& item, Corpse* corpse) {
    SDL_FillRect(sdl.screen, nullptr, SDL_MapRGB(sdl.screen->format, kBackground[0], kBackground[1], kBackground[2]));
    ui().draw(item, corpse);
}

Colour InterfaceTest::at(int x, int y) const {
    Colour c{};
    pixelAt(sdl.screen, x, y, c[0], c[1], c[2]);
    return c;
}

int InterfaceTest::runOf(Colour colour, int x, int y) const {
    int n = 0;
    while (x + n < sdl.screen->w && at(x + n, y) == colour) ++n;
    return n;
}

bool InterfaceTest::anyPixel(Colour colour, int x, int y, int w, int h) const {
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            if (at(column, row) == colour) return true;
    return false;
}
