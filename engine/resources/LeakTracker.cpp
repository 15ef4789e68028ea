#include "engine/resources/LeakTracker.hpp"

void LeakTracker::track(const void* address, std::size_t size, const std::string& file, int line) {
    entries_[address] = Entry{size, file, line};
}

void LeakTracker::untrack(const void* address) {
    entries_.erase(address);
}

void LeakTracker::report(std::ostream& out) {
    out << (entries_.empty() ? "No memory leaks! Yeeeeej :)" : "Detected memory leaks") << "\n";
    for (const auto& entry : entries_) {
        out << "Leak in, Filename: " << entry.second.file << " line: " << entry.second.line
            << " address: " << entry.first << " size: " << entry.second.size << "\n";
    }
    out.flush();
    entries_.clear();
}
