#pragma once

class GlobalEventListener {
public:
    virtual ~GlobalEventListener() = default;
    virtual void onGlobalEvent(int eventCode, int argument) = 0;
};
