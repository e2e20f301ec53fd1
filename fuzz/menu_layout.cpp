// menu.dat and slmenu.dat (the input's two parts, split at a NUL byte), read
// as the main menu is built; the menu and both modes of the load/save screen,
// with a list long enough to scroll, are each drawn and left with Escape.
#include "Cases.h"
#include "FuzzWorld.h"

#include "menu/MainMenu.h"
#include "util/BinaryIO.h"

#include <sstream>

namespace {

void push(SDL_Event event) { SDL_PushEvent(&event); }

void pointAndLeave() {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 400;
    motion.motion.y = 300;
    push(motion);
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    push(escape);
}

std::string twelveSaves() {
    std::ostringstream list;
    BinaryWriter out(list);
    out.writeInt(12);
    out.writeInt(12);
    for (int32_t i = 12; i >= 1; --i) {
        out.writeText(" 12:" + std::to_string(i) + "     1 Jan 2026");
        out.writeInt(i);
        out.writeInt(i);
    }
    return list.str();
}

}  // namespace

std::string fuzzcase::menuLayout(const std::string& input) {
    static const std::string shippedMenu = fuzzworld::read("data\\menu\\menu.dat");
    static const std::string shippedList = fuzzworld::read("data\\menu\\slmenu.dat");
    const std::vector<std::string> parts = fuzzworld::split(input, 2);
    fuzzworld::write("data\\menu\\menu.dat", parts[0]);
    fuzzworld::write("data\\menu\\slmenu.dat", parts[1]);
    fuzzworld::write("data\\saves\\savelist.sav", twelveSaves());
    {
        SDL_Event event{};
        uint8_t fullScreen = 0;
        Game* running = nullptr;
        MainMenu menu(&event, fuzzworld::screen(), &fullScreen, &running);
        pointAndLeave();
        menu.run(false);
        pointAndLeave();
        menu.runSaveScreen(false);
        pointAndLeave();
        menu.runSaveScreen(true);
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::write("data\\menu\\menu.dat", shippedMenu);
    fuzzworld::write("data\\menu\\slmenu.dat", shippedList);
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::menuLayout)
