#include "QuestFlow.h"

#include "util/DataLine.h"

#include <deque>

namespace {

class Quest {
public:
    Quest(int32_t id, int32_t stages) : id(id), stages(stages) {}

    int32_t finished() const { return stages + 1; }
    bool active(int32_t state) const { return state >= 1 && state <= stages; }
    bool ours(const QuestCommand& c) const { return c.hasQuest && c.quest == id; }

    // Whether the answer can show while the quest is in `state`. Checks of
    // other quests may go either way, so they never hide it here.
    bool shows(const Answer& answer, int32_t state) const {
        bool visible = true;
        for (const QuestCommand& c : answer.checks) {
            const bool setter =
                c.kind == QuestCommand::kIfQuest || c.kind == QuestCommand::kIfDone || c.kind == QuestCommand::kIfStage;
            if (!ours(c)) {
                visible = visible || setter;
                continue;
            }
            switch (c.kind) {
                case QuestCommand::kIfQuest: visible = active(state); break;
                case QuestCommand::kIfDone: visible = state == finished(); break;
                case QuestCommand::kIfStage: visible = !c.hasStage || (active(state) && c.stage == state - 1); break;
                case QuestCommand::kIfNotQuest: visible = visible && !active(state); break;
                case QuestCommand::kIfNotDone: visible = visible && state != finished(); break;
                default: break;
            }
        }
        return visible;
    }

    // The states the node's commands leave the quest in.
    std::set<int32_t> after(const std::vector<QuestCommand>& commands, int32_t state) const {
        std::set<int32_t> now{state};
        for (const QuestCommand& c : commands) {
            if (!ours(c) || (c.kind != QuestCommand::kStart && c.kind != QuestCommand::kIncrease)) continue;
            std::set<int32_t> next;
            for (int32_t s : now) {
                if (c.kind == QuestCommand::kIncrease) {
                    next.insert(active(s) ? s + 1 : s);
                    continue;
                }
                // Started again while active, the first entry keeps its stage.
                next.insert(active(s) ? s : 1);
                if (s == finished()) next.insert(s);
            }
            now = next;
        }
        return now;
    }

    const int32_t id;
    const int32_t stages;
};

}  // namespace

QuestCommand questCommand(const script::Command& c) {
    static const std::pair<const char*, QuestCommand::Kind> kKinds[] = {
        {"startQuest", QuestCommand::kStart},           {"increaseQuest", QuestCommand::kIncrease},
        {"checkIfQuest", QuestCommand::kIfQuest},       {"checkIfDoneQuest", QuestCommand::kIfDone},
        {"checkIfStage", QuestCommand::kIfStage},       {"checkIfnQuest", QuestCommand::kIfNotQuest},
        {"checkIfnDoneQuest", QuestCommand::kIfNotDone}};
    QuestCommand out;
    for (const auto& [name, kind] : kKinds)
        if (c.name == name) out.kind = kind;
    if (out.kind == QuestCommand::kOther) return out;
    out.hasQuest = dataline::readSigned(c.first, out.quest);
    if (out.kind == QuestCommand::kIfStage) out.hasStage = dataline::readSigned(c.second, out.stage);
    return out;
}

Answer answerOf(const std::vector<script::Command>& commands) {
    Answer answer;
    const script::Command* jump = nullptr;
    for (const script::Command& c : commands) {
        if (c.name == "next" || c.name == "checkItem" || c.name == "checkPlayerItem") jump = &c;
        const QuestCommand check = questCommand(c);
        if (check.kind != QuestCommand::kOther) answer.checks.push_back(check);
    }
    if (!jump) return answer;
    int32_t node = 0;
    for (const std::string& target : {jump->name == "next" ? jump->first : jump->nodeA, jump->nodeB})
        if (!target.empty() && dataline::readSigned(target, node)) answer.targets.push_back(node);
    return answer;
}

void followQuest(const std::vector<ScriptNode>& nodes, int32_t id, int32_t stages, QuestMoves& moves) {
    if (nodes.empty() || stages <= 0) return;
    const Quest quest(id, stages);
    const int32_t states = quest.finished() + 1;
    // What each node's commands make of each state, worked out once.
    std::vector<std::vector<std::set<int32_t>>> after(nodes.size());
    for (size_t n = 0; n < nodes.size(); ++n)
        for (int32_t s = 0; s < states; ++s) after[n].push_back(quest.after(nodes[n].commands, s));
    // The states each node can be reached in, grown until nothing changes.
    std::vector<std::vector<bool>> reached(nodes.size(), std::vector<bool>(static_cast<size_t>(states), false));
    reached[0].assign(static_cast<size_t>(states), true);
    std::deque<size_t> work{0};
    while (!work.empty()) {
        const size_t n = work.front();
        work.pop_front();
        for (int32_t before = 0; before < states; ++before) {
            if (!reached[n][before]) continue;
            for (int32_t state : after[n][before])
                for (const Answer& answer : nodes[n].answers) {
                    if (!quest.shows(answer, state)) continue;
                    for (int32_t target : answer.targets) {
                        if (target < 0 || static_cast<size_t>(target) >= nodes.size() || reached[target][state])
                            continue;
                        reached[target][state] = true;
                        work.push_back(static_cast<size_t>(target));
                    }
                }
        }
    }
    for (size_t n = 0; n < nodes.size(); ++n)
        for (int32_t before = 0; before < states; ++before)
            if (reached[n][before])
                for (int32_t state : after[n][before])
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
