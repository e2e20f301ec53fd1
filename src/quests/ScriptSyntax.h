// How a conversation script line comes apart: '|' between the fields, ';'
// between a text and its commands, a command as name(first,second)[A:B].
// The game and the content checker read scripts with these same rules.
#pragma once

#include <string>
#include <vector>

namespace script {

// The pieces between separators; a separator at the very end adds none, so
// the result is never empty.
std::vector<std::string> split(const std::string& text, char separator);
// Everything between the first and the last double quote; nothing without two.
std::string textOf(const std::string& part);
// Between the first `open` and the first `close` after it (or the end).
std::string between(const std::string& text, char open, char close);

struct Command {
    std::string text;    // the part without its leading and trailing blanks
    std::string name;    // before the first '('
    std::string first;   // the single argument, or the one before the ','
    std::string second;  // after the first ','
    bool hasNodes = false;
    std::string nodeA;   // [A:B], looked for after the '[', so a ':' in an
    std::string nodeB;   // item name can't spoil it
};
Command parseCommand(const std::string& part);

}  // namespace script
