#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"

// The player's journey at a glance: every location with its points and the
// time-challenge badge of its present scene, the player's name and score.
// Over the map or the main menu ("overlay") OK closes it; at the end of the
// story OK asks whether to play again, and either answer starts the journey
// over (yes: the tutorial, no: the main menu).
class PlayerProgressScreen : public ScreenBase,
                             public TarvikButtonListener,
                             public NewMessageQuestionDialogListener {
public:
    enum Leave { Close = 0, PlayAgainRefused = 2, PlayAgainAccepted = 3 };
    static constexpr int OkButton = 1;
    static constexpr int PlayAgainDialogId = 1;
    static constexpr int Locations = 20;

    PlayerProgressScreen(const std::string& caption, bool overlay);

    void onTarvikButton(int id, int code) override;
    void onDialogAnswer(int dialogId, int answer) override;

    // The present scenes the player has opened, and their badges.
    const std::vector<int>& openedScenes() const { return opened_; }
    const std::map<int, int>& badges() const { return badges_; }

protected:
    void build() override;
    void onEnter() override;
    void drawBackground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    void addLine(const std::string& text, int y);

    std::string caption_;
    bool overlay_;
    std::vector<int> opened_;
    std::map<int, int> badges_;
};
