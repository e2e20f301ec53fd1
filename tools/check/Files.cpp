#include "Files.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace stdfs = std::filesystem;

namespace {

std::vector<std::string> entries(const std::string& gamePath, bool folders, const std::string& extension) {
    std::vector<std::string> names;
    std::error_code ec;
    for (stdfs::directory_iterator it(fs::nativePath(gamePath), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kindError;
        if (folders ? it->is_directory(kindError)
                    : it->is_regular_file(kindError) && name.size() > extension.size() &&
                          name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool isFolder(const std::string& gamePath) {
    std::error_code ec;
    return stdfs::is_directory(fs::nativePath(gamePath), ec);
}

std::vector<std::string> foldersIn(const std::string& gamePath) { return entries(gamePath, true, ""); }

std::vector<std::string> filesIn(const std::string& gamePath, const std::string& extension) {
    return entries(gamePath, false, extension);
}

bool readLines(const std::string& gamePath, std::vector<std::string>& lines) {
    lines.clear();
    std::istringstream in;
    if (!fs::openText(gamePath, in)) return false;
    std::string line;
    while (dataline::readLine(in, line)) lines.push_back(line);
    return true;
}

bool hasFolder(const std::string& parent, const std::string& id) {
    // "." and ".." name folders too, but no item or character of their own.
    return !id.empty() && id != "." && id != ".." && isFolder(parent + id);
}
