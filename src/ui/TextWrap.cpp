#include "ui/TextWrap.h"

int textWidth(TTF_Font* font, const std::string& text) {
    int w = 0;
    int h = 0;
    if (!font || text.empty() || TTF_SizeText(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

void wrapText(TTF_Font* font, const std::string& text, int width, std::vector<std::string>& lines,
              const std::string& lead, const std::string& continuation) {
    std::string line = lead;
    // Blanks before this index belong to the continuation prefix: cutting
    // there would start the same line again, for ever.
    size_t firstCut = 0;
    const long long length = static_cast<long long>(text.size());
    for (long long i = 0; i < length; ++i) {
        // A line feed ends the line: the font has no picture for it, and a
        // journal's entries are meant to stand apart.
        if (text[static_cast<size_t>(i)] == '\n') {
            lines.push_back(line);
            line = continuation;
            firstCut = continuation.size();
            continue;
        }
        line += text[static_cast<size_t>(i)];
        if (textWidth(font, line) <= width) continue;
        const size_t blank = line.rfind(' ');
        if (blank != std::string::npos && blank >= firstCut) {
            // The line ends before its last blank; what followed it is
            // scanned again on the next line.
            const long long after = static_cast<long long>(line.size() - blank - 1);
            lines.push_back(line.substr(0, blank));
            i -= after;
        } else if (line.size() > continuation.size() + 1) {
            // One long word: it breaks where the width ends.
            lines.push_back(line.substr(0, line.size() - 1));
            --i;
        } else {
            // Not even one character fits: keep it, or nothing would move on.
            lines.push_back(line);
        }
        line = continuation;
        firstCut = continuation.size();
    }
    lines.push_back(line);
}

std::string shortenRow(TTF_Font* font, const std::string& number, const std::string& name, int width) {
    std::string text = number + name;
    if (textWidth(font, text) <= width) return text;
    // Words go down to the blank after the number; a name of one long word
    // has none to lose and loses letters instead, the number kept.
    const size_t firstCut = name.find(' ') == std::string::npos ? number.size() : 0;
    int measured = 0;
    do {
        measured = textWidth(font, text);
        const size_t blank = text.rfind(' ');
        if (blank != std::string::npos && blank >= firstCut)
            text.erase(blank);
        else if (text.size() > number.size())
            text.pop_back();
        else
            break;
    } while (measured > width);
    return text + "...";
}
