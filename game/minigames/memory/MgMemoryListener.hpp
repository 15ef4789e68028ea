#pragma once

// What a memory card tells its game: whether it may turn over, that it has
// finished turning face up or face down, and clicks on an open card.
class MgMemoryListener {
public:
    virtual ~MgMemoryListener() = default;
    virtual bool canSelect(int index) = 0;
    virtual void cardOpened(int index, int pairId) = 0;
    virtual void cardClosed(int index, int pairId) = 0;
    virtual void openCardClicked(int /*pairId*/) {}
    virtual void cardGone() {}
};
