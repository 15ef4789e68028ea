#pragma once

#include <string>
#include <vector>

#include "game/minigames/MiniGameBase.hpp"
#include "game/minigames/dials/DialsBoard.hpp"
#include "game/minigames/dials/DialsPuzzle.hpp"

class DialWidget;
class ImageWidget;
class RandomSource;

// The rotation puzzle: a picture cut into concentric rings stacked at one
// place, each dealt a random angle; the player drags every ring round until
// it snaps home. With every ring home the puzzle is solved, after the final
// picture (when the board has one) has faded in over the rings. A board that
// cannot be read is passed over as if skipped, so the story goes on.
class MgConcentricDials : public MiniGameBase {
public:
    static constexpr int FinalFadeId = 2000;
    static constexpr int FinalFadeTime = 1000;

    // The start angles draw from random (the process's when none is given).
    explicit MgConcentricDials(const std::string& configFile, bool fromExtrasMenu = false,
                               TextureFactory* textures = nullptr, RandomSource* random = nullptr);

    void onTarvikButton(int id, int code) override;
    void actionFinished(int tag) override;

    const std::string& getConfigFile() const { return configFile_; }
    const std::vector<DialWidget*>& getDials() const { return dials_; }
    const DialsPuzzle& getPuzzle() const { return puzzle_; }
    ImageWidget* getFinalImage() const { return final_; }
    int getFinalAlpha() const { return finalAlpha_; }
    bool isPuzzleSolved() const { return solved_; }

protected:
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    ScreenBase* restarted() const override;

private:
    void layOut();

    std::string configFile_;
    RandomSource* random_;
    DialsBoard board_;
    DialsPuzzle puzzle_;
    Texture* background_ = nullptr;
    std::vector<DialWidget*> dials_;
    ImageWidget* final_ = nullptr;
    int finalAlpha_ = 0;
    bool solved_ = false;
};
