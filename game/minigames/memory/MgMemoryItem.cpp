#include "game/minigames/memory/MgMemoryItem.hpp"

#include "engine/actions/ActionSequence.hpp"
#include "engine/actions/RelIncrementator.hpp"
#include "engine/actions/Setter.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "game/minigames/memory/MgMemoryListener.hpp"

namespace {

// Sets the value, then moves it by delta over the time.
kve::Action* setThenChange(int* value, int from, int delta, int time) {
    auto* sequence = new kve::ActionSequence();
    sequence->addAction(new kve::Setter<int>(value, from));
    sequence->addAction(new kve::RelIncrementator<int>(time, value, delta));
    return sequence;
}

const int kStripColumns = 4;
const int kStripRows = 3;

}  // namespace

MgMemoryItem::MgMemoryItem(int index, int pairId, Texture* face, const Pictures& pictures,
                           MgMemoryListener& listener)
    : index_(index),
      pairId_(pairId),
      face_(face),
      pictures_(pictures),
      listener_(listener),
      open_(setThenChange(&frame_, 1, 8, TurnTime)),
      close_(setThenChange(&frame_, 9, -8, TurnTime)),
      fade_(setThenChange(&alpha_, 255, -255, FadeTime)) {}

MgMemoryItem::~MgMemoryItem() = default;

void MgMemoryItem::update(int milliseconds, ScreenBase* /*screen*/) {
    for (kve::Action* action : {open_.get(), close_.get(), fade_.get()}) {
        if (action->isRunning()) {
            action->update(milliseconds);
        }
    }
}

void MgMemoryItem::onMousePress(const MouseEvent& /*event*/) {
    if (state_ == FaceDown) {
        if (listener_.canSelect(index_)) {
            frame_ = 0;
            state_ = Opening;
            open_->start(this, OpenAction);
        }
    } else if (state_ == FaceUp) {
        listener_.openCardClicked(pairId_);
    }
}

void MgMemoryItem::close() {
    frame_ = 10;
    state_ = Closing;
    close_->start(this, CloseAction);
}

void MgMemoryItem::fade() {
    alpha_ = 255;
    state_ = Fading;
    fade_->start(this, FadeAction);
}

void MgMemoryItem::actionFinished(int tag) {
    switch (tag) {
        case OpenAction:
            state_ = FaceUp;
            listener_.cardOpened(index_, pairId_);
            break;
        case CloseAction:
            state_ = FaceDown;
            listener_.cardClosed(index_, pairId_);
            listener_.cardGone();
            break;
        case FadeAction:
            state_ = Gone;
            break;
        default:
            break;
    }
}

void MgMemoryItem::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    switch (state_) {
        case FaceDown:
            graphics->drawImage(0, 0, pictures_.back, Color::white());
            break;
        case Opening:
        case Closing:
            graphics->drawFrameGrid(StripX, StripY, kStripColumns, kStripRows, frame_, pictures_.strip,
                                    Color::white(), false);
            break;
        case FaceUp:
        case Fading: {
            const Color tint(255, 255, 255, static_cast<unsigned char>(alpha_ < 0 ? 0 : alpha_));
            graphics->drawImage(0, 0, pictures_.opened, tint);
            graphics->drawImage(0, 0, face_, tint);
            break;
        }
        default:
            break;
    }
}
