#include "quests/ScriptSyntax.h"

namespace script {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    // A separator ending the text opens no further piece: a stray '|' at the
    // end of a line would otherwise be an empty answer.
    if (start < text.size() || parts.empty()) parts.push_back(text.substr(start));
    return parts;
}

std::string textOf(const std::string& part) {
    const size_t first = part.find('"');
    const size_t last = part.rfind('"');
    if (first == std::string::npos || last == first) return std::string();
    return part.substr(first + 1, last - first - 1);
}

std::string between(const std::string& text, char open, char close) {
    const size_t start = text.find(open);
    if (start == std::string::npos) return std::string();
    const size_t end = text.find(close, start + 1);
    return text.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

Command parseCommand(const std::string& part) {
    Command c;
    const size_t from = part.find_first_not_of(" \t");
    if (from != std::string::npos) c.text = part.substr(from, part.find_last_not_of(" \t") - from + 1);
    c.name = c.text.substr(0, c.text.find('('));
    const std::string arguments = between(c.text, '(', ')');
    const size_t comma = arguments.find(',');
    c.first = arguments.substr(0, comma);
    if (comma != std::string::npos) c.second = arguments.substr(comma + 1);
    const size_t bracket = c.text.find('[');
    c.hasNodes = bracket != std::string::npos;
    if (c.hasNodes) {
        const std::string pair = c.text.substr(bracket);
        c.nodeA = between(pair, '[', ':');
        const size_t colon = pair.find(':');
        if (colon != std::string::npos) c.nodeB = between(pair.substr(colon), ':', ']');
    }
    return c;
}

}  // namespace script
