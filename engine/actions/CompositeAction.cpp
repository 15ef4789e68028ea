#include "engine/actions/CompositeAction.hpp"

namespace kve {

CompositeAction::CompositeAction(const CompositeAction& other) : Action(other), ActionListener(other) {
    children_.reserve(other.children_.size());
    for (const Action* child : other.children_) {
        children_.push_back(child->clone());
    }
}

CompositeAction::~CompositeAction() {
    for (Action* child : children_) {
        delete child;
    }
}

void CompositeAction::addAction(Action* child, int id) {
    child->setId(id);
    children_.push_back(child);
}

void CompositeAction::stop() {
    for (Action* child : children_) {
        child->stop();
    }
    Action::stop();
}

void CompositeAction::actionFinished(int /*tag*/) {}

void CompositeAction::actionEvent(int tag, int id) {
    if (getListener() != nullptr) {
        getListener()->actionEvent(tag, id);
    }
}

}  // namespace kve
