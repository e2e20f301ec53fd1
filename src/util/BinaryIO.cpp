#include "util/BinaryIO.h"

namespace {

int64_t bytesLeft(std::istream& in) {
    std::streampos here = in.tellg();
    if (here < 0) return 0;
    in.seekg(0, std::ios::end);
    std::streampos end = in.tellg();
    in.seekg(here);
    return end < here ? 0 : static_cast<int64_t>(end - here);
}

}  // namespace

BinaryReader::BinaryReader(std::istream& in) : in(in), left(bytesLeft(in)) {}

bool BinaryReader::fail() {
    good = false;
    return false;
}

bool BinaryReader::readInt(int32_t& out) {
    if (!good || left < 4) return fail();
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) return fail();
    left -= 4;
    out = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                               (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
    return true;
}

bool BinaryReader::readText(std::string& out) {
    int32_t length = 0;
    if (!readInt(length)) return false;
    return readBytes(length, out);
}

bool BinaryReader::readBytes(int32_t length, std::string& out) {
    if (!good || length < 0 || length > left) return fail();
    std::string text(static_cast<size_t>(length), '\0');
    if (length > 0 && !in.read(&text[0], length)) return fail();
    left -= length;
    out = std::move(text);
    return true;
}

bool BinaryReader::readCount(int32_t& out, int32_t minRecordBytes) {
    int32_t count = 0;
    if (!readInt(count)) return false;
    if (count < 0) return fail();
    if (minRecordBytes > 0 && static_cast<int64_t>(count) * minRecordBytes > left) return fail();
    out = count;
    return true;
}

void BinaryWriter::writeInt(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
                 static_cast<char>((v >> 24) & 0xFF)};
    out.write(b, 4);
}

void BinaryWriter::writeText(const std::string& text) {
    writeInt(static_cast<int32_t>(text.size()));
    writeBytes(text);
}

void BinaryWriter::writeBytes(const std::string& bytes) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
