#pragma once

#include <map>
#include <vector>

#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/story/map/MapFile.hpp"

class NewMapScreenListener;
class Texture;
class TarvikButton;

// The map between scenes: one pin per scene of the player's journey,
// coloured by progress, in the present or the past view. Opened over a scene
// it answers that scene; opened from the story it lets the flow resume the
// chosen session or move on; the main menu opens it in its two show modes.
class NewMapScreen : public ScreenBase, public TarvikButtonListener {
public:
    enum Control { SwitchView = 2, MainMenu = 3, Play = 4, Back = 5, Progress = 6 };
    static constexpr int FadeMilliseconds = 500;

    // caller: the scene that opened the map (not owned), or none; view 0
    // present, 1 past; mode -1 normal, 100 or 101 the main menu's modes.
    NewMapScreen(NewMapScreenListener* caller, int view, int mode);

    void onTarvikButton(int id, int code) override;

    int view() const { return view_; }
    int selectedScene() const { return selected_; }
    int hoveredScene() const { return hoveredScene_; }
    int hoveredControl() const { return hoveredControl_; }
    int openedAt() const { return openedAt_; }
    // The pin of a scene, or none when the scene shows no pin.
    TarvikButton* pin(int sceneId) const;
    TarvikButton* control(int id) const;

protected:
    void build() override;
    void onEnter() override;
    void onEntered() override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    void addControl(int id, TarvikButton* button, int x, int y);
    void addPins();
    void applyView();
    void choose(int sceneId);
    void drawLocationCard(Graphics* graphics, int sceneId, bool highlighted);

    NewMapScreenListener* caller_;
    int view_;
    int mode_;
    int selected_ = -1;
    int hoveredScene_ = -1;
    int hoveredControl_ = -1;
    int openedAt_ = -1;
    MapFile file_;
    std::map<int, TarvikButton*> pins_;
    std::map<int, TarvikButton*> controls_;
    // The location pictures of each pin's scene: normal and highlighted.
    std::map<int, std::pair<Texture*, Texture*>> cards_;
};
