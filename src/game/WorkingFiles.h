// The files under data\ that hold a running game: start.tmp, player.tmp and
// one <map>.tmp per map listed in data\maps.dat.
#pragma once

// Removes every working file; missing files are skipped silently.
void removeWorkingFiles();
