#pragma once

// Told when a dialogue screen has left the stack, with the id its owner gave.
class DialogScreenListener {
public:
    virtual ~DialogScreenListener() = default;
    virtual void dialogScreenLeft(int id) = 0;
};
