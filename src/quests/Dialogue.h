// The conversation record every NPC carries. The script's lines are kept in
// memory, so a map full of talking NPCs holds no files open.
#pragma once

#include "items/Item.h"

#include <cstdint>
#include <string>
#include <vector>

struct OptionAction {
    static constexpr int32_t kGive = 0;
    static constexpr int32_t kJump = 2;
    int32_t kind = kJump;
    int32_t node = 0;      // kJump
    std::string itemName;  // kGive
};

struct DialogueOption {
    std::vector<OptionAction> actions;
    std::string text;
};

class Player;

class Dialogue {
public:
    explicit Dialogue(std::vector<ItemRef>& ownerInventory);

    // Reads the script; sets hasDialogue when the file could be read.
    void open(const std::string& path);

    // Interprets the current node into `speech` and `options`, running the
    // NPC's commands of that node on the way. False when the node was built
    // already and nothing changed.
    bool buildNode(Player& player);
    // The current node's speech and answers read again, the answers' checks
    // made anew, without running the NPC's commands a second time: for a
    // conversation taken up again where it was built.
    void refresh(Player& player);
    // Option n, counted from 1: its jumps move the conversation on (the last
    // one wins). Anything but a shown option's number does nothing.
    void chooseOption(int32_t n);

    std::vector<ItemRef>& ownerInventory;
    std::vector<DialogueOption> options;
    std::vector<std::string> scriptLines;
    // Whether the script's last line ended with a line feed (the node rules
    // treat a last line without one differently).
    bool lastLineTerminated = false;
    std::string speech;
    bool hasDialogue = false;
    int32_t currentNode = 0;
    int32_t builtNode = -1;

private:
    void interpret(Player& player, bool runCommands);
};
