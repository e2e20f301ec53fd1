// data\saves\savelist.sav: the save counter and the saved games, newest first.
#pragma once

class MainMenu;

// Fills saveCounter and saves; a missing or damaged list gives what could be read.
void readSaveList(MainMenu& menu);
void writeSaveList(const MainMenu& menu);
