#include "support/RecordingGraphics.hpp"

std::vector<RecordingGraphics::Call> RecordingGraphics::callsOf(const std::string& op) const {
    std::vector<Call> out;
    for (const Call& c : calls) {
        if (c.op == op) {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string> RecordingGraphics::ops() const {
    std::vector<std::string> out;
    for (const Call& c : calls) {
        out.push_back(c.op);
    }
    return out;
}
