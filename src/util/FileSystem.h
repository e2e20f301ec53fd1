// The one place that touches the disk. Game code builds paths the way the data
// files and save files store them ("data\items\sword\data.ini"); this layer
// turns them into native paths and opens, removes and probes files.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <fstream>
#include <sstream>
#include <string>

namespace fs {

// "data\maps\town\map.map" -> "data/maps/town/map.map" on this platform.
std::string nativePath(const std::string& gamePath);

// Reads a whole text file with CR LF pairs folded to LF, so every loader sees
// the same lines whatever editor wrote the file. False when it can't be read.
bool openText(const std::string& path, std::istringstream& in);

bool openBinaryRead(const std::string& path, std::ifstream& in);
// Creates or truncates.
bool openBinaryWrite(const std::string& path, std::ofstream& out);

// The whole file, byte for byte. False when it is missing or a read fails.
bool readBinary(const std::string& path, std::string& bytes);

// A file is replaced in two steps so that a crash, a kill or a full disk
// leaves the old file whole: the new bytes go to a file beside it and only
// then take the old name. A durable file reaches the disk before the rename,
// so that even a power cut finds the old or the new one. writeStaged leaves
// nothing behind when it fails; commitStaged and dropStaged finish or
// abandon it.
bool writeStaged(const std::string& path, const std::string& bytes, bool durable);
bool commitStaged(const std::string& path);
void dropStaged(const std::string& path);
// Both steps at once; durable unless told otherwise (working files that
// outlive no game need not wait for the disk).
bool writeAtomic(const std::string& path, const std::string& bytes, bool durable = true);

// Creates a folder (its parent must exist); true when it is there afterwards.
bool makeFolder(const std::string& path);

bool exists(const std::string& path);
// Removes a file; a file that isn't there is not an error.
void removeFile(const std::string& path);

// Decodes an image file (any format SDL_image reads); null on failure.
SDL_Surface* readImage(const std::string& path);
TTF_Font* openFont(const std::string& path, int points);
// A stream SDL's libraries read from (sounds, music); null when the file
// can't be opened. The caller closes it, or hands it to whoever does.
SDL_RWops* openStream(const std::string& path);

}  // namespace fs
