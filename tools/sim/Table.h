// The simulator's figures: many fights of one scene and build summed up, and
// the table of them all as a Markdown table.
#pragma once

#include "Fight.h"

#include <ostream>
#include <string>
#include <vector>

struct Tally {
    int fights = 0;
    int won = 0;
    double hpLeft = 0;   // summed over the fights won
    double seconds = 0;  // summed over all fights
    double potions = 0;

    void add(const Outcome& outcome);
    // "95% 62hp 11s 0.4p": share won, HP left when won, length, potions drunk.
    std::string cell() const;
};

struct Row {
    std::string scene;
    std::vector<Tally> byBuild;
};

void printTable(std::ostream& out, const std::vector<std::string>& builds, const std::vector<Row>& rows);
