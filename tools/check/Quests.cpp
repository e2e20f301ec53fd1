// The quest list and the quest files: a quest starts from its file in
// data\quests\ and advances through the one in data\quest\.
#include "Files.h"
#include "Wording.h"
#include "World.h"

namespace {

const char* const kList = "data\\quests\\questlist.dat";

void checkJournal(World& world, const std::string& file) {
    std::vector<std::string> entries;
    readLines(file, entries);
    if (entries.empty())
        world.report.add(file, 0, "empty: the quest starts without a journal line and finishes at its first advance");
    for (size_t s = 0; s < entries.size(); ++s) {
        if (entries[s].empty())
            world.report.warn(file, static_cast<int>(s) + 1,
                              "an empty journal line: reaching stage " + str(s) + " adds nothing to the quest log");
        checkWords(world, file, static_cast<int>(s) + 1, entries[s]);
    }
}

}  // namespace

void checkQuests(World& world) {
    Report& report = world.report;
    if (!readLines(kList, world.questNames)) {
        report.add(kList, 0, "missing");
        return;
    }
    for (size_t k = 0; k < world.questNames.size(); ++k) {
        const std::string& name = world.questNames[k];
        const int line = static_cast<int>(k) + 1;
        const std::string starting = "data\\quests\\" + name + ".dat";
        const std::string advancing = "data\\quest\\" + name + ".dat";
        checkLogRow(world, kList, line, str(k + 1) + ". " + name);
        std::vector<std::string> first, later;
        const bool hasFirst = readLines(starting, first);
        const bool hasLater = readLines(advancing, later);
        for (const auto& [file, found] : {std::make_pair(starting, hasFirst), std::make_pair(advancing, hasLater)})
            if (!found) report.add(kList, line, "quest " + str(k) + " has no file " + report.shown(file));
        if (hasFirst) checkJournal(world, starting);
        if (hasFirst && hasLater && first != later)
            report.add(advancing, 0,
                       "differs from " + report.shown(starting) +
                           ": the journal would show the first line of one and the later lines of the "
                           "other");
        if (hasLater && (!hasFirst || first != later)) checkJournal(world, advancing);
        world.questStages.push_back(hasLater ? static_cast<int>(later.size()) : -1);
    }
}
