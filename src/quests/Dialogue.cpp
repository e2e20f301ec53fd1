#include "quests/Dialogue.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <sstream>

Dialogue::Dialogue(std::vector<ItemRef>& ownerInventory) : ownerInventory(ownerInventory) {}

void Dialogue::open(const std::string& path) {
    scriptLines.clear();
    lastLineTerminated = false;
    hasDialogue = false;
    std::istringstream in;
    if (!fs::openText(path, in)) return;
    hasDialogue = true;
    const std::string text = in.str();
    lastLineTerminated = !text.empty() && text.back() == '\n';
    std::string line;
    while (dataline::readLine(in, line)) scriptLines.push_back(line);
}
