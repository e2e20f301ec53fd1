// The line conventions every data file follows: key=value lines, decimal
// numbers read the way a stream reads them, quoted texts and "c:r|text" pairs.
// Nothing is trimmed: blanks belong to the text next to them.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace dataline {

// One line without its line feed. False only at the end of the input.
bool readLine(std::istream& in, std::string& line);

struct KeyValue {
    std::string key;
    std::string value;
};
// Splits at the first "="; a line without one is both key and value.
KeyValue split(const std::string& line);

// Decimal number by stream extraction: leading white space, one sign, digits,
// then anything. False (and out untouched) when no digit follows. A minus sign
// on an unsigned read gives the two's-complement pattern; an out-of-range value
// saturates as the stream does.
bool readUnsigned(const std::string& text, uint32_t& out);
bool readSigned(const std::string& text, int32_t& out);

// Everything between the first and the last double quote; the whole line when
// it holds none.
std::string quoted(const std::string& line);

// "12:30" (any one separator character): column, then row; 0 where a number
// can't be read.
void readPair(const std::string& text, int32_t& column, int32_t& row);

struct PairText {
    int32_t column = 0;
    int32_t row = 0;
    std::string text;  // everything after the first "|"
};
// "12:30|town|4:5" -> 12, 30, "town|4:5".
PairText readPairText(const std::string& line);

}  // namespace dataline
