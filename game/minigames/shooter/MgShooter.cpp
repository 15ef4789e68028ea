#include "game/minigames/shooter/MgShooter.hpp"

#include <algorithm>

#include "engine/app/GameApp.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/TextureHit.hpp"
#include "game/app/MyApp.hpp"
#include "game/app/SharedResources.hpp"
#include "game/minigames/shooter/ShooterConfig.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

const IntRect kScoreBox(414, 94, 195, 31);
const IntRect kGoalLabelBox(398, 4, 109, 84);
// The goal's picture sits on the plaque right of its label.
const int kGoalX = 520;
const int kGoalY = 8;
const IntRect kBannerBox(262, 130, 500, 60);
const IntRect kHitsBox(398, 66, 109, 24);

}  // namespace

MgShooter::MgShooter(bool fromExtrasMenu, TextureFactory* textures, RandomSource* random)
    : MiniGameBase("MgShooter", "MGSHOOTER_TUT", fromExtrasMenu, textures),
      ownRandom_(random ? nullptr : std::make_unique<SeededRandom>(static_cast<std::uint32_t>(ProcessRandom::instance().next()))),
      random_(random ? random : ownRandom_.get()),
      game_(*random_) {}

MgShooter::~MgShooter() = default;

std::vector<int> MgShooter::lineValues() {
    const MyApp* app = myApp();
    const ConfigFile* parameters = app ? app->getGameParameters() : nullptr;
    std::vector<int> values;
    for (const char* key : {"MgShooter.FirstLineValue", "MgShooter.SecondLineValue", "MgShooter.ThirdLineValue"}) {
        values.push_back(parameters ? parameters->readInt(key, 1) : 1);
    }
    return values;
}

void MgShooter::setUp(ShooterGame& game, const ShooterConfig& config, int screenWidth, const std::vector<int>& values,
                      const std::function<std::pair<int, int>(const std::string&)>& size) {
    for (std::size_t i = 0; i < config.lines.size(); ++i) {
        const ShooterConfig::Line& line = config.lines[i];
        const int value = i < values.size() ? values[i] : 1;
        TargetLine built(static_cast<int>(i), (screenWidth - line.width) / 2, line.y, line.width, line.height,
                         line.orientation, line.speed, value);
        for (const ShooterConfig::Item& item : config.items) {
            if (item.line == static_cast<int>(i)) {
                const std::pair<int, int> picture = size(config.itemPath + item.fileName);
                built.addTarget(picture.first, picture.second);
            }
        }
        game.addLine(built);
    }
}

void MgShooter::build() {
    MiniGameBase::build();
    background_ = picture("MGSHOOTER_BG", Background);
    mask_ = picture("MGSHOOTER_MASK", Mask, Texture::KeepAlphaMap);
    disc_ = picture("MGSHOOTER_TARGET", Disc);
    targetList_ = picture("MGSHOOTER_TARGET_LIST", TargetList);
}

void MgShooter::onEnter() {
    ShooterConfig config;
    if (config.load(ShooterConfig::File)) {
        playable_ = true;
        pictures_.resize(config.lines.size());
        for (const ShooterConfig::Item& item : config.items) {
            pictures_[static_cast<std::size_t>(item.line)].push_back(
                picture("MGSHOOTER_ITEM_" + item.fileName, config.itemPath + item.fileName));
        }
        std::size_t next = 0;
        setUp(game_, config, gameApp()->getScreenWidth(), lineValues(), [this, &config, &next](const std::string&) {
            const ShooterConfig::Item& item = config.items[next++];
            const Texture* t = pictures_[static_cast<std::size_t>(item.line)][static_cast<std::size_t>(item.id)];
            return std::make_pair(t ? t->getWidth() : 0, t ? t->getHeight() : 0);
        });
        game_.setDiscWidth(disc_ ? disc_->getWidth() : 0);
        const Texture* mask = mask_;
        game_.setMask([mask](int x, int y) { return mask && TextureHit::opaque(mask, x, y); });
        game_.drawGoal();
        logInfo("MgShooter: the first goal is %d:%d", game_.getGoalLine(), game_.getGoalItem());
    } else {
        passOver();
    }
    MiniGameBase::onEnter();
}

void MgShooter::onEntered() {
    MiniGameBase::onEntered();
    if (playable_) {
        game_.startRound();
    }
}

void MgShooter::onUpdate(int milliseconds) {
    MiniGameBase::onUpdate(milliseconds);
    game_.update(milliseconds);
    if (game_.isOver() && !solved_) {
        solved_ = true;
        logInfo("MgShooter: over after %d rounds with %d hits, score %d", game_.getRound(), game_.getHits(),
                game_.getScore());
        puzzleSolved();
    }
}

void MgShooter::onMousePressed(const MouseEvent& event) {
    if (!(event.buttons & MouseEvent::Left) || !game_.isPlaying()) {
        return;
    }
    static const char* const sounds[] = {"TARGET_HIT", "TARGET_MISSED", "TARGET_ELSEWHERE"};
    const int round = game_.getRound();
    const int clock = game_.getClock();
    const ShooterGame::Shot shot = game_.shoot(event.x, event.y);
    logInfo("MgShooter: shot at (%d, %d) in round %d at %d ms: %s, %d hits, the goal now %d:%d", event.x, event.y,
            round, clock, sounds[shot], game_.getHits(), game_.getGoalLine(), game_.getGoalItem());
    playEffect(sounds[shot]);
}

void MgShooter::onLeft(int result) {
    if (PlayerProfile* player = PlayerProfiles::instance().currentProfile()) {
        player->score += game_.getScore();
    }
    MiniGameBase::onLeft(result);
}

void MgShooter::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
    drawTargets(graphics);
    if (mask_) {
        graphics->drawImage(0, 0, mask_, Color::white());
    }
    drawPanel(graphics);
}

void MgShooter::drawTargets(Graphics* graphics) {
    for (const TargetLine& line : game_.lines()) {
        for (const Target& target : line.targets()) {
            Texture* face = pictures_[static_cast<std::size_t>(line.getIndex())][static_cast<std::size_t>(target.id)];
            const Color tint(255, 255, 255, static_cast<unsigned char>(std::clamp(target.alpha, 0, 255)));
            if (disc_) {
                graphics->drawImage(target.x, target.y + target.yOffset, disc_, tint);
            }
            if (face && !target.hidden) {
                graphics->drawImage(target.x, target.y + target.yOffset, face, tint);
            }
        }
    }
}

void MgShooter::drawPanel(Graphics* graphics) {
    if (targetList_) {
        const int x = static_cast<int>(0.5 * gameApp()->getScreenWidth() - 0.5 * targetList_->getWidth());
        graphics->drawImage(x, 0, targetList_, Color::white());
    }
    const SharedResources& shared = SharedResources::instance();
    Font* font = shared.trajanPro17B;
    if (!font) {
        return;
    }
    const Color black(0, 0, 0, 255);
    font->drawTextInBox(graphics, kScoreBox, label("SCORE") + " " + std::to_string(game_.getScore()), black,
                        Font::kAlignCenter, Font::kAlignMiddle, false);
    if (const Target* goal = game_.goal()) {
        font->drawTextInBox(graphics, kGoalLabelBox, label("GOAL"), black, Font::kAlignCenter, Font::kAlignMiddle,
                            false);
        Texture* face = pictures_[static_cast<std::size_t>(goal->line)][static_cast<std::size_t>(goal->id)];
        if (face) {
            graphics->drawImage(kGoalX, kGoalY, face, Color::white());
        }
    }
    if (Font* small = shared.trajanPro14) {
        small->drawTextInBox(graphics, kHitsBox,
                             std::to_string(game_.getHits()) + " / " + std::to_string(ShooterGame::GoalsToWin), black,
                             Font::kAlignCenter, Font::kAlignMiddle, false);
    }
}

void MgShooter::drawForeground(Graphics* graphics) {
    MiniGameBase::drawForeground(graphics);
    Font* font = SharedResources::instance().trajanPro22;
    if (!font) {
        return;
    }
    std::string banner;
    if (game_.isBannerShown()) {
        banner = label("ROUND") + " " + std::to_string(game_.getRound()) + "/" + std::to_string(ShooterGame::MaxRounds);
    } else if (game_.isEndPhase()) {
        banner = label("END_OF_ROUND");
    }
    if (!banner.empty()) {
        graphics->fillRect(kBannerBox.x, kBannerBox.y, kBannerBox.w, kBannerBox.h, Color(10, 6, 14, 170));
        font->drawTextInBox(graphics, kBannerBox, banner, Color::white(), Font::kAlignCenter, Font::kAlignMiddle, false);
    }
}

ScreenBase* MgShooter::restarted() const {
    return new MgShooter(false, givenTextures(), ownRandom_ ? nullptr : random_);
}
