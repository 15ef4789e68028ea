#pragma once

// Told by a check box that the player toggled it. Changes made by the program
// through setChecked are not reported.
class CheckBoxListener {
public:
    virtual ~CheckBoxListener() = default;
    virtual void onCheckBoxChanged(int id, bool checked) = 0;
};
