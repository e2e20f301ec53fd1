#include "Report.h"

#include <iostream>

namespace {

const std::string kFailureEnd = "\" FAILURE";

}  // namespace

Report::Report(std::string shownFolder) : folder(std::move(shownFolder)) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
}

std::string Report::shown(const std::string& gamePath) const {
    std::string path = gamePath;
    if (path.rfind("data\\", 0) == 0) path = folder + "/" + path.substr(5);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool Report::record(const std::string& gamePath, int line, const std::string& text) {
    std::string finding = shown(gamePath);
    if (line > 0) finding += ":" + str(line);
    finding += ": " + text;
    // The same mistake met twice (a map loaded for itself and as a target) is told once.
    if (!seen.insert(finding).second) return false;
    findings.push_back(finding);
    return true;
}

void Report::add(const std::string& gamePath, int line, const std::string& text) {
    if (record(gamePath, line, text)) ++errors;
}

void Report::warn(const std::string& gamePath, int line, const std::string& text) {
    record(gamePath, line, "warning: " + text);
}

void Report::noteLog(const std::string& logText) {
    std::istringstream in(logText);
    std::string line;
    while (std::getline(in, line)) {
        // prefix "path" FAILURE: the path is between the first quote and the closing one.
        const size_t open = line.find('"');
        if (open == std::string::npos || line.size() < kFailureEnd.size() ||
            line.compare(line.size() - kFailureEnd.size(), kFailureEnd.size(), kFailureEnd) != 0)
            continue;
        const std::string path = line.substr(open + 1, line.size() - kFailureEnd.size() - open - 1);
        bool known = false;
        for (const std::string& f : failures) known = known || f == path;
        if (!known) failures.push_back(path);
    }
}

void Report::addUnexplainedFailures() {
    for (const std::string& path : failures)
        if (!explained.count(path)) add(path, 0, "the game cannot load this file");
}

QuietLog::QuietLog() : saved(std::cout.rdbuf(&buffer)), real(saved) {}

QuietLog::~QuietLog() { std::cout.rdbuf(saved); }

std::string QuietLog::take() {
    std::string text = buffer.str();
    buffer.str(std::string());
    return text;
}
