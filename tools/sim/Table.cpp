#include "Table.h"

#include <cmath>
#include <cstdio>

void Tally::add(const Outcome& outcome) {
    ++fights;
    seconds += outcome.seconds;
    potions += outcome.potions;
    if (!outcome.won) return;
    ++won;
    hpLeft += outcome.hpLeft;
}

std::string Tally::cell() const {
    if (fights == 0) return "-";
    char text[64];
    const long wonShare = std::lround(100.0 * won / fights);
    const long hp = won > 0 ? std::lround(hpLeft / won) : 0;
    std::snprintf(text, sizeof text, "%ld%% %ldhp %.0fs %.1fp", wonShare, hp, seconds / fights, potions / fights);
    return text;
}

void printTable(std::ostream& out, const std::vector<std::string>& builds, const std::vector<Row>& rows) {
    out << "| |";
    for (const std::string& build : builds) out << ' ' << build << " |";
    out << "\n|---|";
    for (size_t i = 0; i < builds.size(); ++i) out << "---|";
    out << '\n';
    for (const Row& row : rows) {
        out << "| " << row.scene << " |";
        for (const Tally& tally : row.byBuild) out << ' ' << tally.cell() << " |";
        out << '\n';
    }
}
