#include "engine/core/XmlNumber.hpp"

#include <climits>
#include <cstdlib>
#include <sstream>
#include <string>

int XmlNumber::leadingInt(const char* text) {
    if (!text) {
        return 0;
    }
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::vector<int> XmlNumber::list(const char* text) {
    std::vector<int> numbers;
    std::istringstream pieces(text ? text : "");
    for (std::string piece; std::getline(pieces, piece, ',');) {
        numbers.push_back(leadingInt(piece.c_str()));
    }
    return numbers;
}
