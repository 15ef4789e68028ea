#include "game/menus/MenuServices.hpp"

#include "game/menus/AppMenuServices.hpp"

namespace {

MenuServices* g_installed = nullptr;

}  // namespace

MenuServices& MenuServices::current() {
    static AppMenuServices application;
    return g_installed != nullptr ? *g_installed : application;
}

void MenuServices::install(MenuServices* services) {
    g_installed = services;
}
