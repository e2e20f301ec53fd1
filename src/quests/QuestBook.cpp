#include "quests/QuestBook.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kQuestList = "data\\quests\\questlist.dat";

// A missing file has no lines.
std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in;
    if (!fs::openText(path, in)) return lines;
    std::string line;
    while (dataline::readLine(in, line)) lines.push_back(line);
    return lines;
}

// Line `id` of the quest list; past its end, the last line there is.
std::string questName(int32_t id) {
    if (id < 0) return std::string();
    const std::vector<std::string> names = linesOf(kQuestList);
    if (names.empty()) return std::string();
    return names[std::min<size_t>(static_cast<size_t>(id), names.size() - 1)];
}

}  // namespace

void startQuest(int32_t id, Player& player) {
    Quest quest;
    quest.id = id;
    quest.name = questName(id);
    const std::vector<std::string> entries = linesOf("data\\quests\\" + quest.name + ".dat");
    if (!entries.empty()) quest.description = entries.front();
    player.quests.push_back(std::move(quest));
    audio::play(Sound::questStart);
}

void increaseQuest(int32_t id, Player& player) {
    auto quest = std::find_if(player.quests.begin(), player.quests.end(), [id](const Quest& q) { return q.id == id; });
    if (quest == player.quests.end()) return;
    const std::vector<std::string> entries = linesOf("data\\quest\\" + questName(id) + ".dat");
    // A stage at the top of the range can only finish.
    const int64_t stage = int64_t(quest->stage) + 1;
    if (stage < static_cast<int64_t>(entries.size())) {
        quest->stage = static_cast<int32_t>(stage);
        quest->description.clear();
        for (int64_t s = 0; s <= stage; ++s) quest->description += entries[static_cast<size_t>(s)] + "\n\n";
        audio::play(Sound::questAdvance);
        return;
    }
    player.doneQuests.push_back(id);
    player.quests.erase(quest);
    audio::play(Sound::questDone);
}

bool hasActiveQuest(const Player& player, int32_t id) {
    return std::any_of(player.quests.begin(), player.quests.end(), [id](const Quest& q) { return q.id == id; });
}

bool isQuestAtStage(const Player& player, int32_t id, int32_t stage) {
    // The first active entry of that number decides, as everywhere else.
    auto quest = std::find_if(player.quests.begin(), player.quests.end(), [id](const Quest& q) { return q.id == id; });
    return quest != player.quests.end() && quest->stage == stage;
}

bool hasFinishedQuest(const Player& player, int32_t id) {
    return std::find(player.doneQuests.begin(), player.doneQuests.end(), id) != player.doneQuests.end();
}
