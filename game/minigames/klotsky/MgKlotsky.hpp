#pragma once

#include <string>
#include <vector>

#include "game/minigames/MiniGameBase.hpp"
#include "game/minigames/klotsky/KlotskiPuzzle.hpp"

class KlotskyPiece;

// The sliding-block minigame: the board and its pieces from one file (the
// puzzle and the pictures), dragged by the player until the goal piece
// reaches its exit. A board that cannot be read is passed over as if
// skipped, so the story goes on.
class MgKlotsky : public MiniGameBase, public KlotskiPuzzle {
public:
    static constexpr const char* Background = "content/images/minigames/MgKlotsky01/Bg.png";

    explicit MgKlotsky(const std::string& configFile, bool fromExtrasMenu = false,
                       TextureFactory* textures = nullptr);

    void puzzleSolved() override;

    const std::string& getConfigFile() const { return configFile_; }
    const std::vector<KlotskyPiece*>& getPieces() const { return pieces_; }
    bool isPuzzleSolved() const { return solved_; }

protected:
    void build() override;
    void onEnter() override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    ScreenBase* restarted() const override;

private:
    void readLayout();

    std::string configFile_;
    bool solved_ = false;
    Texture* background_ = nullptr;
    std::vector<KlotskyPiece*> pieces_;
};
