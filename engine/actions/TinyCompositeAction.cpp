#include "engine/actions/TinyCompositeAction.hpp"

TinyCompositeAction::TinyCompositeAction(const TinyCompositeAction& other)
    : TinyAction(other), kve::ActionListener(other) {
    children_.reserve(other.children_.size());
    for (const TinyAction* child : other.children_) {
        children_.push_back(child->clone());
    }
}

TinyCompositeAction::~TinyCompositeAction() {
    for (TinyAction* child : children_) {
        delete child;
    }
}

void TinyCompositeAction::addAction(TinyAction* child) {
    children_.push_back(child);
}

void TinyCompositeAction::stop() {
    for (TinyAction* child : children_) {
        child->stop();
    }
    TinyAction::stop();
}

void TinyCompositeAction::actionFinished(int /*tag*/) {}
