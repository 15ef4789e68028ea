#include "game/content/ContentReport.hpp"

void ContentReport::print(std::ostream& out) const {
    for (const Problem& p : problems_) {
        out << p.file << ":" << p.line << ": " << p.what << "\n";
    }
}
