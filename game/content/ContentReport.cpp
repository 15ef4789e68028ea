#include "game/content/ContentReport.hpp"

#include <algorithm>
#include <cctype>

#include "engine/core/XmlNumber.hpp"

void ContentReport::addLine(const std::string& line) {
    // The file ends at the first ": " or at a ":" that starts ":LINE: ".
    for (std::size_t colon = line.find(':'); colon != std::string::npos; colon = line.find(':', colon + 1)) {
        std::size_t digits = colon + 1;
        while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) {
            ++digits;
        }
        if (digits > colon + 1 && line.compare(digits, 2, ": ") == 0) {
            add(line.substr(0, colon), XmlNumber::leadingInt(line.c_str() + colon + 1), line.substr(digits + 2));
            return;
        }
        if (line.compare(colon, 2, ": ") == 0) {
            add(line.substr(0, colon), 0, line.substr(colon + 2));
            return;
        }
    }
    add("", 0, line);
}

void ContentReport::add(const std::string& file, int line, const std::string& what) {
    const auto same = [&](const Problem& p) { return p.line == line && p.file == file && p.what == what; };
    if (std::none_of(problems_.begin(), problems_.end(), same)) {
        problems_.push_back({file, line, what});
    }
}

void ContentReport::print(std::ostream& out) const {
    for (const Problem& p : problems_) {
        out << p.file << ":" << p.line << ": " << p.what << "\n";
    }
}
