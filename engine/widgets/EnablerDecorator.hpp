#pragma once

// Gives a class that is drawn by a widget, without being one, an enabled flag.
class EnablerDecorator {
public:
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

protected:
    bool enabled_ = true;
};
