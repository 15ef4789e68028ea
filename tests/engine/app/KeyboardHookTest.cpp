#include <gtest/gtest.h>

#include <dlfcn.h>

#include "engine/app/KeyboardHook.hpp"

TEST(KeyboardHook, MissingLibraryMakesEveryCallHarmless) {
    KeyboardHook hook("/nonexistent/chrona-input.so");
    EXPECT_FALSE(hook.isLoaded());
    hook.install();
    hook.setEnabled(true);
    hook.uninstall();
}

TEST(KeyboardHook, CallsTheLibraryExports) {
    KeyboardHook hook(CHRONA_FAKE_KEYBOARD_HOOK);
    ASSERT_TRUE(hook.isLoaded());
    void* lib = dlopen(CHRONA_FAKE_KEYBOARD_HOOK, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(lib, nullptr);
    auto* installs = static_cast<int*>(dlsym(lib, "chronaHookInstalls"));
    auto* uninstalls = static_cast<int*>(dlsym(lib, "chronaHookUninstalls"));
    auto* lastEnable = static_cast<int*>(dlsym(lib, "chronaHookLastEnable"));
    hook.install();
    hook.setEnabled(true);
    EXPECT_EQ(*installs, 1);
    EXPECT_EQ(*lastEnable, 1);
    hook.setEnabled(false);
    EXPECT_EQ(*lastEnable, 0);
    hook.uninstall();
    EXPECT_EQ(*uninstalls, 1);
    dlclose(lib);
}
