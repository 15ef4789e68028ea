#pragma once

#include <string>
#include <vector>

#include "engine/actions/ActionListener.hpp"

// Records every notification as text ("event 1 3", "finished 1"), in order.
class RecordingListener : public kve::ActionListener {
public:
    void actionFinished(int tag) override { log.push_back("finished " + std::to_string(tag)); }
    void actionEvent(int tag, int id) override {
        log.push_back("event " + std::to_string(tag) + " " + std::to_string(id));
    }

    std::vector<std::string> log;
};
