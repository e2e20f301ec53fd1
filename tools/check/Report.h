// The checker's findings, one line each: "file:line: what is wrong". Files
// are named the way the game builds them ("data\maps\x\data.ini") and shown
// below the folder the user gave, with forward slashes.
#pragma once

#include <iosfwd>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

class Report {
public:
    explicit Report(std::string shownFolder);

    // line 0: the finding is about the whole file.
    void add(const std::string& gamePath, int line, const std::string& text);
    // A finding the game can live with, though it is likely not what was
    // meant: printed with "warning: " before the text, and warnings alone
    // leave the exit status 0.
    void warn(const std::string& gamePath, int line, const std::string& text);
    bool hasErrors() const { return errors > 0; }
    // A game path as the user reads it, for file names inside a finding.
    std::string shown(const std::string& gamePath) const;

    // The game's own "... FAILURE" lines, taken from its log.
    void noteLog(const std::string& logText);
    // A finding already tells why the game could not load this file.
    void explain(const std::string& gamePath) { explained.insert(gamePath); }
    // Every logged failure no finding explains becomes a finding of its own.
    void addUnexplainedFailures();

    const std::vector<std::string>& lines() const { return findings; }

private:
    bool record(const std::string& gamePath, int line, const std::string& text);

    std::string folder;
    std::vector<std::string> findings;
    int errors = 0;
    std::set<std::string> seen;
    std::vector<std::string> failures;
    std::set<std::string> explained;
};

// While it lives, the game's log lines go into a buffer instead of stdout.
class QuietLog {
public:
    QuietLog();
    ~QuietLog();
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;

    // What was logged since the last call.
    std::string take();
    // The real standard output, for the report itself.
    std::ostream& out() { return real; }

private:
    std::stringbuf buffer;
    std::streambuf* saved;
    std::ostream real;
};

// A number in a finding.
inline std::string str(long long n) { return std::to_string(n); }
// A text in a finding, in double quotes.
inline std::string quote(const std::string& text) { return "\"" + text + "\""; }
