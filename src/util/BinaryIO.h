// Little-endian int32 and length-prefixed texts of the state and save files.
// The reader never trusts the file: it stops at the first short read, and a
// count or length is refused when the bytes left could not hold it.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

class BinaryReader {
public:
    explicit BinaryReader(std::istream& in);

    // False (and ok() false from then on) at the end of the data.
    bool readInt(int32_t& out);
    // A text: int32 byte count, then the bytes. Refused when the count is
    // negative or larger than what is left.
    bool readText(std::string& out);
    // Exactly `length` bytes, for layouts that keep a text's count apart from
    // its bytes. Refused when negative or larger than what is left.
    bool readBytes(int32_t length, std::string& out);
    // A record count that must be >= 0 and fit the bytes left, each record
    // taking at least minRecordBytes.
    bool readCount(int32_t& out, int32_t minRecordBytes);

    bool ok() const { return good; }
    int64_t remaining() const { return left; }

private:
    bool fail();
    std::istream& in;
    int64_t left;
    bool good = true;
};

class BinaryWriter {
public:
    explicit BinaryWriter(std::ostream& out) : out(out) {}
    void writeInt(int32_t value);
    void writeText(const std::string& text);
    // The bytes alone, without their count.
    void writeBytes(const std::string& bytes);

private:
    std::ostream& out;
};
