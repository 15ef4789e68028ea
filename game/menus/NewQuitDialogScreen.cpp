#include "game/menus/NewQuitDialogScreen.hpp"

#include <utility>

#include "engine/app/GameApp.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"

NewQuitDialogScreen::NewQuitDialogScreen(std::function<void()> storeProgress)
    : ScreenBase("NewQuitDialogScreen"), storeProgress_(std::move(storeProgress)) {}

void NewQuitDialogScreen::onEnter() {
    addWidget(new MessageQuestionDialog(MenuLook::question("EXIT_GAME", "MESSAGE_QUIT", "NO", "YES"), this, DialogId));
}

void NewQuitDialogScreen::onDialogAnswer(int /*dialogId*/, int answer) {
    if (answer == 1) {
        if (storeProgress_) {
            storeProgress_();
        }
        gameApp()->requestQuit();
        gameApp()->exitNow();
        return;
    }
    // "No", or the question dismissed: the game goes on.
    MenuServices::current().quitDialogClosed();
    startLeave(0, true);
}

void NewQuitDialogScreen::onLeft(int /*result*/) {
    gameApp()->popState();
}
