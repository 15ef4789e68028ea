#include "game/menus/InGameMenu.hpp"

#include "engine/app/GameApp.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "game/menus/InGameMenuListener.hpp"
#include "game/menus/MenuLook.hpp"

InGameMenu::InGameMenu(InGameMenuListener* listener) : ScreenBase("InGameMenu"), listener_(listener) {}

void InGameMenu::onEnter() {
    MessageDialogDescription question = MenuLook::question("MENU_CAPTION", std::string(), "RESUME", "MAIN_MENU");
    question.centreOn(gameApp()->getScreenWidth(), gameApp()->getScreenHeight());
    addWidget(new MessageQuestionDialog(question, this, DialogId));
}

void InGameMenu::onDialogAnswer(int /*dialogId*/, int answer) {
    // Without a choice the question is gone all the same: the game goes on.
    startLeave(answer == InGameMenuListener::MainMenu ? InGameMenuListener::MainMenu : InGameMenuListener::Resume,
               true);
}

void InGameMenu::onLeft(int result) {
    InGameMenuListener* listener = listener_;
    gameApp()->popState();
    if (listener) {
        listener->inGameMenuClosed(result);
    }
}
