// data\saves\savelist.sav: the save counter and the saved games, newest first.
// Layout: int32 counter, int32 entry count, then per entry the label as a
// text, the slot and the sequence as int32.
#pragma once

#include "menu/SaveEntry.h"

#include <vector>

class MainMenu;

inline const char* const kSaveListPath = "data\\saves\\savelist.sav";

// Fills saveCounter and saves with the whole entries of the list. Entries
// without a usable slot of their own are dropped, and the counter is never
// below a listed sequence, so a new save is always the newest.
void readSaveList(MainMenu& menu);
// Replaces the list in one step; nothing is reported when it fails.
void writeSaveList(const MainMenu& menu);

void sortNewestFirst(std::vector<SaveEntry>& saves);
