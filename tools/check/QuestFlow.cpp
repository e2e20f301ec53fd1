#include "QuestFlow.h"

#include "util/DataLine.h"

#include <deque>

namespace {

using script::Command;

bool named(const Command& c, const char* name, int32_t id) {
    int32_t quest = 0;
    return c.name == name && dataline::readSigned(c.first, quest) && quest == id;
}

bool isSetter(const Command& c) {
    return c.name == "checkIfQuest" || c.name == "checkIfDoneQuest" || c.name == "checkIfStage";
}

class Quest {
public:
    Quest(int32_t id, int32_t stages) : id(id), stages(stages) {}

    int32_t finished() const { return stages + 1; }
    bool active(int32_t state) const { return state >= 1 && state <= stages; }

    // Whether the answer can show while the quest is in `state`. Checks of
    // other quests may go either way, so they never hide it here.
    bool shows(const std::vector<Command>& answer, int32_t state) const {
        bool visible = true;
        for (const Command& c : answer) {
            int32_t quest = 0;
            const bool ours = dataline::readSigned(c.first, quest) && quest == id;
            if (!ours) {
                visible = visible || isSetter(c);
                continue;
            }
            int32_t stage = 0;
            if (c.name == "checkIfQuest") visible = active(state);
            if (c.name == "checkIfDoneQuest") visible = state == finished();
            if (c.name == "checkIfStage")
                visible = !dataline::readSigned(c.second, stage) || (active(state) && stage == state - 1);
            if (c.name == "checkIfnQuest" && active(state)) visible = false;
            if (c.name == "checkIfnDoneQuest" && state == finished()) visible = false;
        }
        return visible;
    }

    // The states the node's commands leave the quest in.
    std::set<int32_t> after(const std::vector<Command>& commands, int32_t state) const {
        std::set<int32_t> now{state};
        for (const Command& c : commands) {
            std::set<int32_t> next;
            for (int32_t s : now) {
                if (named(c, "startQuest", id)) {
                    // Started again while active, the first entry keeps its stage.
                    next.insert(active(s) ? s : 1);
                    if (s == finished()) next.insert(s);
                } else if (named(c, "increaseQuest", id)) {
                    next.insert(active(s) ? s + 1 : s);
                } else {
                    next.insert(s);
                }
            }
            now = next;
        }
        return now;
    }

    const int32_t id;
    const int32_t stages;
};

// Where an answer leads: its last jump decides.
std::vector<int32_t> targets(const std::vector<Command>& answer) {
    const Command* jump = nullptr;
    for (const Command& c : answer)
        if (c.name == "next" || c.name == "checkItem" || c.name == "checkPlayerItem") jump = &c;
    std::vector<int32_t> out;
    if (!jump) return out;
    int32_t node = 0;
    for (const std::string& target : {jump->name == "next" ? jump->first : jump->nodeA, jump->nodeB})
        if (!target.empty() && dataline::readSigned(target, node)) out.push_back(node);
    return out;
}

}  // namespace

void followQuest(const std::vector<ScriptNode>& nodes, int32_t id, int32_t stages, QuestMoves& moves) {
    if (nodes.empty() || stages <= 0) return;
    const Quest quest(id, stages);
    // The states each node can be reached in, grown until nothing changes.
    std::vector<std::set<int32_t>> reached(nodes.size());
    for (int32_t s = 0; s <= quest.finished(); ++s) reached[0].insert(s);
    std::deque<size_t> work{0};
    while (!work.empty()) {
        const size_t n = work.front();
        work.pop_front();
        for (int32_t before : reached[n])
            for (int32_t state : quest.after(nodes[n].commands, before))
                for (const auto& answer : nodes[n].answers) {
                    if (!quest.shows(answer, state)) continue;
                    for (int32_t target : targets(answer)) {
                        if (target < 0 || static_cast<size_t>(target) >= nodes.size()) continue;
                        if (reached[target].insert(state).second) work.push_back(static_cast<size_t>(target));
                    }
                }
    }
    for (size_t n = 0; n < nodes.size(); ++n)
        for (int32_t before : reached[n])
            for (int32_t state : quest.after(nodes[n].commands, before))
                if (state != before) moves[id][before].insert(state);
}

void checkQuestFlow(World& world, const std::set<int32_t>& advanced, const QuestMoves& moves) {
    for (const auto& [id, from] : moves) {
        if (!advanced.count(id) || id < 0 || static_cast<size_t>(id) >= world.questStages.size()) continue;
        const int32_t stages = world.questStages[id];
        const int32_t finished = stages + 1;
        std::set<int32_t> seen{0};
        std::deque<int32_t> queue{0};
        while (!queue.empty()) {
            const int32_t state = queue.front();
            queue.pop_front();
            auto out = from.find(state);
            if (out == from.end()) continue;
            for (int32_t next : out->second)
                if (seen.insert(next).second) queue.push_back(next);
        }
        if (seen.count(finished)) continue;
        const std::string journal = "data\\quests\\" + world.questNames[id] + ".dat";
        for (int32_t state : seen)
            if (state >= 1 && state <= stages && !from.count(state))
                world.report.add(journal, state,
                                 "quest " + str(id) + " gets no further than stage " + str(state - 1) +
                                     ": no increaseQuest(" + str(id) + ") runs at it, so the quest never finishes");
    }
}
