#include "game/minigames/MiniGameBase.hpp"

#include "engine/actions/Action.hpp"
#include "engine/actions/ActionDelay.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/text/LabelManager.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/app/MyApp.hpp"
#include "game/app/SharedResources.hpp"
#include "game/scene/controls/SkipButton.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

const char* const kSkipFill = "content/images/minigames/SkipFill.png";
// The tutorial line sits on a dark wash along the bottom of the screen.
const int kTutorialHeight = 56;
const int kTutorialMargin = 40;

}  // namespace

MiniGameBase::MiniGameBase(const std::string& name, const std::string& tutorialKey, bool fromExtrasMenu,
                           TextureFactory* textures)
    : ScreenBase(name), tutorialKey_(tutorialKey), fromExtrasMenu_(fromExtrasMenu), textures_(textures) {
    setEnterTransition(new FadeInTransition(TransitionTime));
    setLeaveTransition(new FadeOutTransition(TransitionTime));
}

MiniGameBase::~MiniGameBase() = default;

TextureFactory& MiniGameBase::textureFactory() const {
    return textures_ ? *textures_ : gameApp()->getTextureFactory();
}

std::string MiniGameBase::label(const std::string& key) {
    const LabelManager* labels = gameApp() ? gameApp()->getLabelManager() : nullptr;
    return labels ? labels->getLabel(key) : key;
}

void MiniGameBase::playEffect(const std::string& name) {
    SfxContainer& effects = SfxContainer::instance();
    if (effects.isLoaded()) {
        effects.play(name);
    }
}

Texture* MiniGameBase::picture(const std::string& name, const std::string& path, int keepMode) {
    return getResourceManager()->sharedTexture(name, path, textureFactory(), keepMode);
}

void MiniGameBase::build() {
    picture("MG_SKIP_FILL", kSkipFill);
}

void MiniGameBase::onEnter() {
    const SharedResources& shared = SharedResources::instance();
    resetButton_ = new TarvikButton(this, ResultCodes::MinigameReset,
                                    TarvikButtonStyle::standard(shared.buttonNormal, shared.buttonOver,
                                                                shared.trajanPro17B, label("RESET")));
    Texture* normal = shared.buttonNormal;
    const int width = normal ? normal->getWidth() : 220;
    const int height = normal ? normal->getHeight() : 60;
    resetButton_->setGeometry(ResetX, ControlsY, width, height);
    addWidget(resetButton_);
    const MyApp* app = myApp();
    skipButton_ = new SkipButton(this,
                                 TarvikButtonStyle::standard(shared.buttonNormal, shared.buttonOver,
                                                             shared.trajanPro17B, label("SKIP")),
                                 picture("MG_SKIP_FILL", kSkipFill), app ? app->getGameParameters() : nullptr);
    skipButton_->setGeometry(SkipX, ControlsY, width, height);
    addWidget(skipButton_);
}

void MiniGameBase::onEntered() {
    if (passOver_) {
        close(ResultCodes::MinigameSkip);
        return;
    }
    skipButton_->startRecharge();
    playEffect("MINIGAME_START");
}

void MiniGameBase::onUpdate(int milliseconds) {
    // An action may start another from its listener: index, not iterators.
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (actions_[i]->isRunning()) {
            actions_[i]->update(milliseconds);
        }
    }
}

void MiniGameBase::runAction(kve::Action* action, int tag) {
    actions_.emplace_back(action);
    action->start(this, tag);
}

void MiniGameBase::puzzleSolved() {
    runAction(new kve::ActionDelay(SolvedDelay), SolvedDelayId);
}

void MiniGameBase::actionFinished(int tag) {
    if (tag == SolvedDelayId && getPhase() != Leaving) {
        openSolvedDialog();
    }
}

void MiniGameBase::openSolvedDialog() {
    const SharedResources& shared = SharedResources::instance();
    MessageDialogDescription description;
    description.openingAnimation = ContentPath::resolve(description.openingAnimation);
    description.closingAnimation = ContentPath::resolve(description.closingAnimation);
    description.caption = label("NICE_WORK");
    description.message = label("PUZZLE");
    description.buttonTexts = {label("YES"), ""};
    description.buttonCount = 1;
    description.captionFont = shared.trajanPro22;
    description.messageFont = shared.aldine18;
    description.buttonFont = shared.trajanPro17B;
    description.buttonImage = shared.buttonNormal;
    description.buttonOverImage = shared.buttonOver;
    description.textures = &textureFactory();
    if (gameApp()) {
        description.centreOn(gameApp()->getScreenWidth(), gameApp()->getScreenHeight());
    }
    solvedDialog_ = new MessageDialogSimple(description, this, SolvedDialogId);
    addWidget(solvedDialog_);
    playEffect("MINIGAME_END");
}

void MiniGameBase::onDialogClosed(int dialogId, int answer) {
    onMinigameDialog(dialogId, answer);
    if (dialogId == SolvedDialogId) {
        solvedDialog_ = nullptr;
        close(ResultCodes::MinigameDone);
    }
    skipButton_->startRecharge();
}

void MiniGameBase::onTarvikButton(int id, int code) {
    // Code 1: released over the button.
    if (code != 1) {
        return;
    }
    if (id == ResultCodes::MinigameSkip || id == ResultCodes::MinigameMainMenu || id == ResultCodes::MinigameReset) {
        close(id);
    }
}

void MiniGameBase::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    // With the congratulation open, Escape closes the dialogue, which ends the game.
    if (event.action == KeyEvent::Press && event.key == KeyEvent::EscapeKey && !solvedDialog_) {
        close(ResultCodes::MinigameDone);
    }
}

void MiniGameBase::close(int code) {
    if (leaveCode_ >= 0) {
        return;
    }
    leaveCode_ = code;
    startLeave(code, true);
}

ScreenBase* MiniGameBase::followingScreen(int code) const {
    GameFlow& flow = GameFlow::instance();
    ScreenFactory* screens = flow.screens();
    if (code == ResultCodes::MinigameReset) {
        return restarted();
    }
    // There is no minigames menu to go back to: a minigame opened from the
    // extras leads to the main menu.
    if (fromExtrasMenu_ || code == ResultCodes::MinigameMainMenu) {
        return screens ? screens->mainMenu() : nullptr;
    }
    if (code == ResultCodes::MinigameSkip || code == ResultCodes::MinigameDone) {
        return flow.nextScreen(true);
    }
    return nullptr;
}

void MiniGameBase::onLeft(int result) {
    // Leaving the stack deletes this screen: nothing of it is touched afterwards.
    GameFlow::instance().handOver(gameApp(), followingScreen(result));
}

void MiniGameBase::drawForeground(Graphics* graphics) {
    Font* font = SharedResources::instance().aldine18;
    if (!font || tutorialKey_.empty() || !gameApp()) {
        return;
    }
    const int width = gameApp()->getScreenWidth();
    const int top = gameApp()->getScreenHeight() - kTutorialHeight;
    graphics->fillRect(0, top, width, kTutorialHeight, Color(10, 6, 14, 150));
    font->drawTextInBox(graphics, IntRect(kTutorialMargin, top, width - 2 * kTutorialMargin, kTutorialHeight),
                        label(tutorialKey_), Color::white(), Font::kAlignCenter, Font::kAlignMiddle, true);
}
