#pragma once

#include <functional>

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/screens/ScreenBase.hpp"

// The question before the game ends. "Yes" first runs the store callback
// (the running scene keeps its progress) and ends the game after this frame;
// "No" (or Escape) lets the next close request ask again and goes. Built by
// the screen factory with new NewQuitDialogScreen(storeProgress); the
// callback may be empty.
class NewQuitDialogScreen : public ScreenBase, public NewMessageQuestionDialogListener {
public:
    static constexpr int DialogId = 3;

    explicit NewQuitDialogScreen(std::function<void()> storeProgress);

    void onDialogAnswer(int dialogId, int answer) override;

protected:
    void build() override {}
    void onEnter() override;
    void onLeft(int result) override;

private:
    std::function<void()> storeProgress_;
};
