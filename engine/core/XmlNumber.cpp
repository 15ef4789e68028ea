#include "engine/core/XmlNumber.hpp"

#include <climits>
#include <cstdlib>

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
