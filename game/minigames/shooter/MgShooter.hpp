#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/minigames/MiniGameBase.hpp"
#include "game/minigames/shooter/ShooterGame.hpp"

class RandomSource;
class ShooterConfig;

// The shooting gallery: pictures on discs ride across the bands of a booth;
// the plaque at the top shows the one to shoot. Each hit scores its line's
// value (tuning "MgShooter.FirstLineValue" and the next two) and shows the
// next goal; the gallery is won with ShooterGame::GoalsToWin hits. Rounds
// of 30 s are announced by a banner and end in a fast 5 s run-out. The score
// goes to the current player's score when the screen is left. A file that
// cannot be read is passed over as if skipped, so the story goes on.
class MgShooter : public MiniGameBase {
public:
    static constexpr const char* Background = "content/images/minigames/MgShooter/Bg.png";
    static constexpr const char* Mask = "content/images/minigames/MgShooter/Mask.png";
    static constexpr const char* Disc = "content/images/minigames/MgShooter/Target.png";
    static constexpr const char* TargetList = "content/images/minigames/MgShooter/TargetList.png";

    // The goals draw from random; without one the screen seeds its own from
    // the process's random source, so a seeded run draws the same goals.
    explicit MgShooter(bool fromExtrasMenu = false, TextureFactory* textures = nullptr,
                       RandomSource* random = nullptr);
    ~MgShooter() override;

    // The lines of the file centred on a screen of the width, their pictures
    // as large as size gives them (width, height by file name).
    static void setUp(ShooterGame& game, const ShooterConfig& config, int screenWidth,
                      const std::vector<int>& values, const std::function<std::pair<int, int>(const std::string&)>& size);
    // The three line values from the tuning parameters.
    static std::vector<int> lineValues();

    void onMousePressed(const MouseEvent& event) override;

    const ShooterGame& getGame() const { return game_; }
    bool isGameWon() const { return solved_; }

protected:
    void build() override;
    void onEnter() override;
    void onEntered() override;
    void onUpdate(int milliseconds) override;
    void onLeft(int result) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    ScreenBase* restarted() const override;

private:
    void drawTargets(Graphics* graphics);
    void drawPanel(Graphics* graphics);

    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource* random_;
    ShooterGame game_;
    std::vector<std::vector<Texture*>> pictures_;  // by line and item
    Texture* background_ = nullptr;
    Texture* mask_ = nullptr;
    Texture* disc_ = nullptr;
    Texture* targetList_ = nullptr;
    bool playable_ = false;
    bool solved_ = false;
};
