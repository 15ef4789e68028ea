#pragma once

#include <ostream>
#include <string>
#include <vector>

// The problems the content checker found, one per fault, each naming the
// file and line it lies on (line 0 when the fault is the file as a whole).
class ContentReport {
public:
    struct Problem {
        std::string file;
        int line = 0;
        std::string what;
    };

    // A fault met again (a shared file read for every scene) is kept once.
    void add(const std::string& file, int line, const std::string& what);
    // Adds a diagnostic line of a loader, "FILE:LINE: what" or "FILE: what".
    void addLine(const std::string& line);
    const std::vector<Problem>& problems() const { return problems_; }
    bool clean() const { return problems_.empty(); }
    // One "file:line: what is wrong" line per problem.
    void print(std::ostream& out) const;

private:
    std::vector<Problem> problems_;
};
