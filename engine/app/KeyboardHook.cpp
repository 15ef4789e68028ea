#include "engine/app/KeyboardHook.hpp"

#include <dlfcn.h>

KeyboardHook::KeyboardHook(const std::string& libraryPath) {
    handle_ = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        return;
    }
    install_ = reinterpret_cast<VoidFn>(dlsym(handle_, "installKeyboardHook"));
    uninstall_ = reinterpret_cast<VoidFn>(dlsym(handle_, "uninstallKeyboardHook"));
    enable_ = reinterpret_cast<EnableFn>(dlsym(handle_, "setEnableKeyboardHook"));
}

KeyboardHook::~KeyboardHook() {
    if (handle_) {
        dlclose(handle_);
    }
}

void KeyboardHook::install() {
    if (install_) {
        install_();
    }
}

void KeyboardHook::uninstall() {
    if (uninstall_) {
        uninstall_();
    }
}

void KeyboardHook::setEnabled(bool enabled) {
    if (enable_) {
        enable_(enabled);
    }
}
