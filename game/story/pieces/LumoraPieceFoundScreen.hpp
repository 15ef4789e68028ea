#pragma once

#include <map>
#include <memory>
#include <string>

#include "engine/actions/ActionListener.hpp"
#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/render/Color.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/story/pieces/PiecesFile.hpp"

class AnimationPlayer;
class Texture;
class TinyActionSequence;

// The lost painting on its easel. After a location is completed the next
// piece of the player's order is handed out: it shows enlarged over the
// frozen scene, a burst of light plays, and the piece flies into its place;
// a click leads the story on. Opened from the main menu (view only) it shows
// the pieces found so far and a click goes back.
class LumoraPieceFoundScreen : public ScreenBase, public kve::ActionListener, public AnimationPlayerListener {
public:
    static constexpr const char* PiecesFileName = "content/images/LumoraPieces/Pieces.xml";
    static constexpr const char* EffectFile = "content/animations/PieceCollectedEff/PieceCollectedEff.xml";
    static constexpr const char* GrabKey = "SCREEN_GRAB_FOR_PIECE_UNLOCKED_EFFECT";
    static constexpr const char* UnlockedKey = "UNLOCKED_PIECE_TEXTURE";
    static constexpr int RevealTag = 1;

    LumoraPieceFoundScreen(bool viewOnly, int locationNumber);
    ~LumoraPieceFoundScreen() override;

    void actionFinished(int tag) override;
    void animationFinished(int /*id*/) override {}
    void onMousePressed(const MouseEvent& event) override;

    bool isViewOnly() const { return viewOnly_; }
    int unlockedPiece() const { return unlocked_; }
    // The pieces drawn into the painting now.
    const std::map<int, bool>& shown() const { return shown_; }
    bool isPromptShown() const { return promptVisible_; }
    int bigPieceX() const { return bigX_; }
    int bigPieceY() const { return bigY_; }
    float bigPieceScale() const { return bigScale_; }
    // Where a piece lies in the painting, when the pieces file has it.
    const Texture* pieceTexture(int id) const;

protected:
    void build() override;
    void onEnter() override;
    void onEntered() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;
    virtual void loadPieces();

private:
    struct PieceRecord {
        int x = 0;
        int y = 0;
        Texture* texture = nullptr;  // owned by the screen's resource manager
    };

    void showOnly();
    void buildReveal();
    void drawCentred(Graphics* graphics, Texture* texture, const Color& color) const;
    void drawPrompt(Graphics* graphics, const std::string& key) const;

    bool viewOnly_;
    int location_;
    std::map<int, PieceRecord> pieces_;
    std::map<int, bool> shown_;
    int unlocked_ = -1;
    PiecesFile file_;
    Texture* bigPiece_ = nullptr;
    Texture* grab_ = nullptr;
    std::unique_ptr<TinyActionSequence> reveal_;
    std::unique_ptr<AnimationPlayer> effect_;
    int bigX_ = 0;
    int bigY_ = 0;
    float bigScale_ = 1.0f;
    int bigAlpha_ = 255;
    int darkAlpha_ = 190;
    int grabAlpha_ = 255;
    bool bigVisible_ = true;
    bool darkVisible_ = true;
    bool glowVisible_ = true;
    bool startEffect_ = false;
    bool congratulationVisible_ = true;
    bool promptVisible_ = false;
};
