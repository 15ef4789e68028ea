#pragma once

#include <map>

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"

class TarvikButton;
class TextLabel;
class Texture;

// The main menu: new game, continue, options, profile change, quit, the
// painting and the world map. It greets the current player, plays the menu music, asks before a
// new game throws away a game in progress and, while no profile exists,
// sends the player to the profiles menu. Built by the screen factory with
// its plain constructor: new MainMenu().
class MainMenu : public ScreenBase, public TarvikButtonListener, public NewMessageQuestionDialogListener {
public:
    enum ButtonId { Play = 0, Continue = 1, Options = 2, ChangeProfile = 3, ExitGame = 4, WorldMap = 5, Painting = 8 };
    static constexpr int LoseProgressDialogId = 1;
    static constexpr int FadeMilliseconds = 500;
    static constexpr const char* Background = "content/images/menus/MainMenuBg.png";
    static constexpr const char* PaintingNormal = "content/images/menus/BtnPaintingN.png";
    static constexpr const char* PaintingOver = "content/images/menus/BtnPaintingO.png";
    static constexpr const char* MapNormal = "content/images/menus/BtnMapN.png";
    static constexpr const char* MapOver = "content/images/menus/BtnMapO.png";
    static constexpr int MusicIndex = 9999;

    MainMenu();

    void resume(StateStack* app) override;
    void onTarvikButton(int id, int code) override;
    void onDialogAnswer(int dialogId, int answer) override;

    TarvikButton* button(int id) const;
    // How the world map shows the journey: every place with a check mark once
    // the current player has completed every scene of the game, otherwise
    // every place with its pin.
    static int worldMapMode();
    // The button under the pointer (ids 0-4), -1 for none.
    int getHoveredButton() const { return hovered_; }
    const TextLabel* getNameLabel() const { return nameLabel_; }

protected:
    void build() override;
    void onEnter() override;
    void onEntered() override;
    void onLeft(int result) override;
    void drawBackground(Graphics* graphics) override;

private:
    void addButton(int id, TarvikButton* button, int x, int y);
    // An image button (the painting, the map) hit only where it is painted.
    void addPictureButton(int id, const char* normal, const char* over, int x, int y);
    // Shows the current player and enables continue; opens the profiles menu
    // when there is no profile at all.
    void refresh();
    void newGame();
    void open(ScreenBase* screen);
    void playMusic();

    std::map<int, TarvikButton*> buttons_;
    int hovered_ = -1;
    TextLabel* welcomeLabel_ = nullptr;
    TextLabel* nameLabel_ = nullptr;
    Texture* background_ = nullptr;
};
