#include "Wording.h"

#include "ui/TextWrap.h"

#include <vector>

namespace {

constexpr int kPanelWidth = 405;

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c != ' ' && c != '\n') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

}  // namespace

void checkWords(World& world, const std::string& file, int line, const std::string& text, const std::string& lead,
                const std::string& continuation) {
    if (!world.font) return;
    std::vector<std::string> lines;
    wrapText(world.font, text, kPanelWidth, lines, lead, continuation);
    std::string wrappedText;
    for (const std::string& l : lines) wrappedText += l + "\n";
    const std::vector<std::string> wanted = wordsOf(lead + text);
    const std::vector<std::string> wrapped = wordsOf(wrappedText);

    // A cut word comes back as pieces that together spell it.
    size_t piece = 0;
    for (const std::string& word : wanted) {
        if (piece < wrapped.size() && wrapped[piece] == word) {
            ++piece;
            continue;
        }
        std::string joined;
        while (piece < wrapped.size() && joined.size() < word.size()) joined += wrapped[piece++];
        world.report.add(file, line,
                         "the word " + quote(word) + " is " + str(textWidth(world.font, word)) +
                             " pixels wide, wider than the text panel's " + str(kPanelWidth) + "; the game breaks it");
        if (joined != word) return;  // the wrap lost its way: the words after this can't be matched
    }
}

void checkLogRow(World& world, const std::string& file, int line, const std::string& row) {
    const int width = textWidth(world.font, row);
    if (width > kPanelWidth)
        world.report.add(file, line,
                         "the quest log row " + quote(row) + " is " + str(width) + " pixels wide, wider than its " +
                             str(kPanelWidth) + "; the log cuts the name at its last blanks and adds \"...\"");
}
