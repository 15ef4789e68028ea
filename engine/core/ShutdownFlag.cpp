#include "engine/core/ShutdownFlag.hpp"

namespace {
bool g_shuttingDown = false;
}

bool ShutdownFlag::isSet() {
    return g_shuttingDown;
}

void ShutdownFlag::set(bool shuttingDown) {
    g_shuttingDown = shuttingDown;
}
