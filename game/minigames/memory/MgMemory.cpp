#include "game/minigames/memory/MgMemory.hpp"

#include <utility>

#include "engine/actions/ActionDelay.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/render/Graphics.hpp"
#include "game/minigames/memory/MgMemoryItem.hpp"

MgMemory::MgMemory(const std::string& configFile, bool fromExtrasMenu, TextureFactory* textures,
                   RandomSource* random)
    : MiniGameBase("MgMemory", "MGMEMORY_TUT", fromExtrasMenu, textures),
      configFile_(configFile),
      random_(random) {}

MgMemory::~MgMemory() = default;

void MgMemory::build() {
    MiniGameBase::build();
    strip_ = picture("MG_MEMORY_BG_STRIP", Strip);
}

void MgMemory::onEnter() {
    MiniGameBase::onEnter();
    MemoryBoard board;
    if (!board.load(configFile_)) {
        passOver();
        return;
    }
    background_ = picture("MG_MEMORY_BG", board.imagePath + board.background);
    layOut(board);
}

std::vector<int> MgMemory::deal(int pairs, RandomSource& random) {
    std::vector<int> deck;
    for (int pair = 0; pair < pairs; ++pair) {
        deck.push_back(pair);
        deck.push_back(pair);
    }
    for (std::size_t i = 1; i < deck.size(); ++i) {
        std::swap(deck[i], deck[static_cast<std::size_t>(random.below(static_cast<int>(i) + 1))]);
    }
    return deck;
}

void MgMemory::layOut(const MemoryBoard& board) {
    pairs_ = board.pairCount();
    MgMemoryItem::Pictures pictures;
    pictures.back = picture("MG_MEMORY_CARD_OVER", board.imagePath + board.cardOver);
    pictures.opened = picture("MG_MEMORY_CARD_FLIPPED", board.imagePath + board.cardFlipped);
    pictures.strip = strip_;
    Texture* back = picture("MG_MEMORY_CARD", board.imagePath + board.card);
    const int width = back ? back->getWidth() : 0;
    const int height = back ? back->getHeight() : 0;
    std::vector<Texture*> faces;
    for (int pair = 0; pair < pairs_; ++pair) {
        const std::string& face = board.faces[static_cast<std::size_t>(pair)];
        faces.push_back(picture("MG_MEMORY_FACE_" + face, board.imagePath + face));
    }
    const std::vector<int> deck = deal(pairs_, random_ ? *random_ : ProcessRandom::instance());
    std::string dealt;
    for (int pair : deck) {
        dealt += " " + std::to_string(pair);
    }
    logInfo("%s: the cards lie%s", configFile_.c_str(), dealt.c_str());
    const int x0 = static_cast<int>(
        0.5 * (gameApp()->getScreenWidth() - (board.columns - 1) * board.deltaX - board.columns * width));
    const int y0 = static_cast<int>(
        0.5 * (gameApp()->getScreenHeight() - (board.rows - 1) * board.deltaY - board.rows * height));
    for (int r = 0; r < board.rows; ++r) {
        for (int c = 0; c < board.columns; ++c) {
            const int index = r * board.columns + c;
            const int pair = deck[static_cast<std::size_t>(index)];
            auto* card = new MgMemoryItem(index, pair, faces[static_cast<std::size_t>(pair)], pictures, *this);
            card->setGeometry(x0 + c * (board.deltaX + width), y0 + r * (board.deltaY + height), width, height);
            cards_.push_back(card);
            addWidget(card);
        }
    }
}

void MgMemory::enableCards(bool enabled) {
    for (MgMemoryItem* card : cards_) {
        card->setEnabled(enabled);
        if (!enabled) {
            card->deactivate();
        }
    }
}

bool MgMemory::canSelect(int index) {
    if (first_ < 0) {
        first_ = index;
        return true;
    }
    if (second_ < 0) {
        enableCards(false);
        second_ = index;
        return true;
    }
    return false;
}

void MgMemory::cardOpened(int index, int pairId) {
    if (index == first_) {
        firstPair_ = pairId;
        return;
    }
    if (index != second_) {
        return;
    }
    secondPair_ = pairId;
    if (secondPair_ != firstPair_) {
        missDelay_ = std::make_unique<kve::ActionDelay>(MissDelay);
        missDelay_->start(this, MissDelayTag);
        return;
    }
    cards_[static_cast<std::size_t>(first_)]->fade();
    cards_[static_cast<std::size_t>(second_)]->fade();
    first_ = second_ = firstPair_ = secondPair_ = -1;
    enableCards(true);
    if (++matched_ == pairs_) {
        won_ = true;
        puzzleSolved();
    }
}

void MgMemory::cardClosed(int index, int /*pairId*/) {
    if (index == first_) {
        first_ = second_;
        firstPair_ = secondPair_;
    }
    second_ = secondPair_ = -1;
    enableCards(true);
}

void MgMemory::actionFinished(int tag) {
    if (tag != MissDelayTag) {
        MiniGameBase::actionFinished(tag);
        return;
    }
    for (int index : {first_, second_}) {
        if (index >= 0) {
            cards_[static_cast<std::size_t>(index)]->close();
        }
    }
}

void MgMemory::onUpdate(int milliseconds) {
    MiniGameBase::onUpdate(milliseconds);
    if (missDelay_ && missDelay_->isRunning()) {
        missDelay_->update(milliseconds);
    }
}

void MgMemory::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}

ScreenBase* MgMemory::restarted() const {
    return new MgMemory(configFile_, false, givenTextures(), random_);
}
