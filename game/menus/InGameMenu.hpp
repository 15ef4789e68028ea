#pragma once

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/screens/ScreenBase.hpp"

class InGameMenuListener;

// The pause menu over a scene: one question, resume (0) or back to the main
// menu (1). It pops itself and then tells its listener the choice; Escape
// (the question dismissed) resumes. Built by the screen factory with
// new InGameMenu(listener); the listener (the scene) is not owned.
class InGameMenu : public ScreenBase, public NewMessageQuestionDialogListener {
public:
    static constexpr int DialogId = 2;

    explicit InGameMenu(InGameMenuListener* listener);

    void onDialogAnswer(int dialogId, int answer) override;

protected:
    void build() override {}
    void onEnter() override;
    void onLeft(int result) override;

private:
    InGameMenuListener* listener_;
};
