#include "menu/MainMenu.h"

// The load/save screen arrives with saved games; until then the buttons lead
// straight back to the menu.
int32_t MainMenu::runSaveScreen(bool /*saveMode*/) { return 0; }
