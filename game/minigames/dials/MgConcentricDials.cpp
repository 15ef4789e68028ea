#include "game/minigames/dials/MgConcentricDials.hpp"

#include <algorithm>

#include "engine/actions/RelIncrementator.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/widgets/ImageWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/minigames/dials/DialWidget.hpp"
#include "game/scene/controls/SkipButton.hpp"
#include "game/story/flow/ResultCodes.hpp"

MgConcentricDials::MgConcentricDials(const std::string& configFile, bool fromExtrasMenu, TextureFactory* textures,
                                     RandomSource* random)
    : MiniGameBase("MgConcentricDials", "TUTORIAL_MESSAGE", fromExtrasMenu, textures),
      configFile_(configFile),
      random_(random) {}

void MgConcentricDials::onEnter() {
    MiniGameBase::onEnter();
    if (!board_.load(configFile_)) {
        passOver();
        return;
    }
    background_ = picture("MG_DIALS_BG", board_.imagePath + board_.background);
    layOut();
}

void MgConcentricDials::layOut() {
    puzzle_.deal(board_, random_ ? *random_ : ProcessRandom::instance());
    std::string dealt;
    for (std::size_t i = 0; i < board_.dials.size(); ++i) {
        DialRing& ring = puzzle_.rings()[i];
        dealt += " " + std::to_string(static_cast<int>(ring.getRotation()));
        Texture* texture = picture("MG_DIALS_RING_" + board_.dials[i], board_.imagePath + board_.dials[i],
                                   Texture::KeepAlphaMap);
        auto* dial = new DialWidget(texture, ring, DialWidget::FirstId + static_cast<int>(i), this);
        dial->setPosition(board_.x, board_.y);
        dials_.push_back(dial);
        addWidget(dial);
    }
    logInfo("%s: the rings start at%s", configFile_.c_str(), dealt.c_str());
    if (board_.hasFinal) {
        final_ = new ImageWidget(picture("MG_DIALS_FINAL", board_.imagePath + board_.finalBackground), board_.x,
                                 board_.y);
        final_->setColor(Color(255, 255, 255, 0));
        final_->setEnabled(false);
        addWidget(final_);
    }
}

void MgConcentricDials::onTarvikButton(int id, int code) {
    MiniGameBase::onTarvikButton(id, code);
    if (code != 1 || solved_ || !puzzle_.isSolved()) {
        return;
    }
    solved_ = true;
    if (!final_) {
        puzzleSolved();
        return;
    }
    // The whole picture fades in over the rings, under the skip button.
    getWidgetManager()->bringToFront(final_);
    getWidgetManager()->bringToFront(getSkipButton());
    runAction(new kve::RelIncrementator<int>(FinalFadeTime, &finalAlpha_, 255), FinalFadeId);
}

void MgConcentricDials::actionFinished(int tag) {
    if (tag == FinalFadeId) {
        puzzleSolved();
        return;
    }
    MiniGameBase::actionFinished(tag);
}

void MgConcentricDials::onUpdate(int milliseconds) {
    MiniGameBase::onUpdate(milliseconds);
    if (final_) {
        final_->setColor(Color(255, 255, 255, static_cast<unsigned char>(std::min(255, std::max(0, finalAlpha_)))));
    }
}

void MgConcentricDials::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}

ScreenBase* MgConcentricDials::restarted() const {
    return new MgConcentricDials(configFile_, false, givenTextures(), random_);
}
