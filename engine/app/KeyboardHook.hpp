#pragma once

#include <string>

// The optional keyboard-hook library that suppresses system keys while the
// game is full screen. It is a shared library outside the program, opened
// with dlopen; without it (the usual case) every call does nothing.
class KeyboardHook {
public:
    explicit KeyboardHook(const std::string& libraryPath);
    ~KeyboardHook();

    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;

    bool isLoaded() const { return handle_ != nullptr; }
    void install();
    void uninstall();
    void setEnabled(bool enabled);

private:
    using VoidFn = void (*)();
    using EnableFn = void (*)(bool);

    void* handle_ = nullptr;
    VoidFn install_ = nullptr;
    VoidFn uninstall_ = nullptr;
    EnableFn enable_ = nullptr;
};
