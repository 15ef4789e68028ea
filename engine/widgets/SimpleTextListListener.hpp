#pragma once

// Told by a text list that the player picked a row (0 is the first row).
class SimpleTextListListener {
public:
    virtual ~SimpleTextListListener() = default;
    virtual void onTextListSelected(int id, int row) = 0;
};
