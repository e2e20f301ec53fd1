// data\saves\savelist.sav, read as the main menu is built. The list it keeps
// has usable, distinct slots, newest first, and a counter above them all;
// written again (deleting the newest entry), it reads back the same.
#include "Cases.h"
#include "FuzzWorld.h"

#include "menu/MainMenu.h"

#include <algorithm>

namespace {

std::string listProblem(const MainMenu& menu) {
    for (size_t i = 0; i < menu.saves.size(); ++i) {
        const SaveEntry& entry = menu.saves[i];
        if (entry.slot < 1) return "a save without a slot";
        if (entry.sequence > menu.saveCounter) return "the counter is below a save";
        if (i > 0 && menu.saves[i - 1].sequence < entry.sequence) return "the list is not newest first";
        for (size_t k = 0; k < i; ++k)
            if (menu.saves[k].slot == entry.slot) return "two saves in one slot";
    }
    return std::string();
}

}  // namespace

std::string fuzzcase::saveList(const std::string& input) {
    fuzzworld::write("data\\saves\\savelist.sav", input);
    SDL_Event event{};
    uint8_t fullScreen = 0;
    Game* running = nullptr;
    std::string problem;
    {
        MainMenu menu(&event, fuzzworld::screen(), &fullScreen, &running);
        problem = listProblem(menu);
        if (problem.empty() && !menu.saves.empty()) {
            menu.deleteSave(1);
            MainMenu again(&event, fuzzworld::screen(), &fullScreen, &running);
            // The last save gone, the list file goes too and the counter starts again.
            const int32_t counter = menu.saves.empty() ? 0 : menu.saveCounter;
            const bool same = again.saves.size() == menu.saves.size() && again.saveCounter == counter &&
                              std::equal(menu.saves.begin(), menu.saves.end(), again.saves.begin(),
                                         [](const SaveEntry& a, const SaveEntry& b) {
                                             return a.label == b.label && a.slot == b.slot && a.sequence == b.sequence;
                                         });
            if (!same) problem = "the list reads back other than it was written";
        }
    }
    if (problem.empty()) problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::saveList)
