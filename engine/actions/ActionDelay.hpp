#pragma once

#include "engine/actions/Action.hpp"
#include "engine/actions/Duration.hpp"

namespace kve {

// Does nothing for its length, then finishes (with its event when it has an id).
class ActionDelay : public Action {
public:
    explicit ActionDelay(int length, const Timer* timer = nullptr);

    void update(int milliseconds) override;
    void check() override;
    void start(ActionListener* listener, int tag) override;
    ActionDelay* clone() const override;

private:
    ActionDelay(const ActionDelay& other) = default;

    Duration duration_;
};

}  // namespace kve
