#include "util/DataLine.h"

#include <cctype>
#include <sstream>

namespace dataline {
namespace {

// Does the stream position begin, after blanks and one sign, with a digit?
bool startsWithNumber(const std::string& text, size_t from) {
    size_t i = from;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

template <typename T>
bool extract(const std::string& text, T& out) {
    if (!startsWithNumber(text, 0)) return false;
    std::istringstream in(text);
    T value{};
    in >> value;  // saturates and sets failbit when out of range: keep the saturated value
    out = value;
    return true;
}

// Reads one number at pos the way "stream >> n" would, moving pos past it.
int32_t extractAt(const std::string& text, size_t& pos) {
    if (pos >= text.size() || !startsWithNumber(text, pos)) {
        pos = text.size();
        return 0;
    }
    std::istringstream in(text.substr(pos));
    int32_t value = 0;
    in >> value;
    if (in.eof() || in.tellg() < 0) {
        pos = text.size();
    } else {
        pos += static_cast<size_t>(in.tellg());
    }
    return value;
}

}  // namespace

bool readLine(std::istream& in, std::string& line) {
    line.clear();
    if (!std::getline(in, line)) return false;
    return true;
}

KeyValue split(const std::string& line) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return {line, line};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

bool readUnsigned(const std::string& text, uint32_t& out) { return extract(text, out); }

bool readSigned(const std::string& text, int32_t& out) { return extract(text, out); }

std::string quoted(const std::string& line) {
    size_t first = line.find('"');
    if (first == std::string::npos) return line;
    size_t last = line.rfind('"');
    if (last == first) return line.substr(first + 1);
    return line.substr(first + 1, last - first - 1);
}

void readPair(const std::string& text, int32_t& column, int32_t& row) {
    size_t pos = 0;
    column = extractAt(text, pos);
    bool hadColumn = pos < text.size();
    if (hadColumn) ++pos;  // exactly one separator character
    row = hadColumn ? extractAt(text, pos) : 0;
}

PairText readPairText(const std::string& line) {
    PairText out;
    size_t bar = line.find('|');
    readPair(line.substr(0, bar), out.column, out.row);
    if (bar != std::string::npos) out.text = line.substr(bar + 1);
    return out;
}

}  // namespace dataline
