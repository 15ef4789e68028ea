#pragma once

#include <cstddef>
#include <map>
#include <ostream>
#include <string>

#include "engine/core/SingletonContainer.hpp"

// A debugging aid: a table of tracked allocations (address, size, source file
// and line). Every destroyed screen prints the report on the error stream and
// empties the table.
class LeakTracker : public SingletonContainer<LeakTracker> {
public:

    void track(const void* address, std::size_t size, const std::string& file, int line);
    void untrack(const void* address);
    std::size_t count() const { return entries_.size(); }

    // Writes the summary line and one line per tracked allocation, flushes the
    // stream and empties the table.
    void report(std::ostream& out);

private:
    struct Entry {
        std::size_t size;
        std::string file;
        int line;
    };
    std::map<const void*, Entry> entries_;
};
