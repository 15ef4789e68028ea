#include "engine/widgets/SimpleTextListWidget.hpp"

#include <SDL/SDL_keysym.h>

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/SimpleTextListListener.hpp"

SimpleTextListWidget::SimpleTextListWidget(SimpleTextListListener* listener, int id, Font* font, int width,
                                           int height, int rowSpacing)
    : rowSpacing_(rowSpacing), listener_(listener), id_(id), font_(font) {
    setGeometry(0, 0, width, height);
}

int SimpleTextListWidget::rowHeight() const {
    return std::max(1, (font_ != nullptr ? font_->getLineHeight() : 0) + rowSpacing_);
}

int SimpleTextListWidget::visibleRows() const {
    return std::max(1, getHeight() / rowHeight());
}

void SimpleTextListWidget::setRows(const std::vector<std::string>& rows) {
    rows_ = rows;
    selected_ = -1;
    scrollTo(0);
}

void SimpleTextListWidget::addRow(const std::string& row) {
    rows_.push_back(row);
}

void SimpleTextListWidget::setSelected(int row) {
    selected_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
    keepSelectionVisible();
}

void SimpleTextListWidget::scrollTo(int firstRow) {
    const int last = std::max(0, static_cast<int>(rows_.size()) - visibleRows());
    firstVisible_ = std::clamp(firstRow, 0, last);
}

void SimpleTextListWidget::setFrameImage(Texture* frame, int x, int y) {
    frame_ = frame;
    frameX_ = x;
    frameY_ = y;
}

void SimpleTextListWidget::setColors(const Color& text, const Color& selectedText, const Color& selection) {
    textColor_ = text;
    selectedTextColor_ = selectedText;
    selectionColor_ = selection;
}

void SimpleTextListWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (frame_ != nullptr) {
        graphics->drawImage(frameX_, frameY_, frame_, Color::white());
    }
    if (font_ == nullptr) {
        return;
    }
    const int end = std::min(static_cast<int>(rows_.size()), firstVisible_ + visibleRows());
    for (int row = firstVisible_; row < end; ++row) {
        const int y = (row - firstVisible_) * rowHeight();
        const bool selected = row == selected_;
        if (selected) {
            graphics->fillRect(0, y, getWidth(), rowHeight(), selectionColor_);
        }
        font_->drawTextLine(graphics, PaddingX, y + rowSpacing_ / 2, rows_[static_cast<std::size_t>(row)],
                            selected ? selectedTextColor_ : textColor_);
    }
}

void SimpleTextListWidget::onMousePress(const MouseEvent& event) {
    const int offset = event.y - getY();
    if (offset < 0) {
        return;
    }
    const int row = offset / rowHeight() + firstVisible_;
    if (row < static_cast<int>(rows_.size())) {
        select(row);
    }
}

void SimpleTextListWidget::onKeyEvent(const KeyEvent& event) {
    if (event.action != KeyEvent::Press || rows_.empty()) {
        return;
    }
    const int last = static_cast<int>(rows_.size()) - 1;
    const int current = selected_ < 0 ? firstVisible_ : selected_;
    switch (event.key) {
        case SDLK_UP:
            select(std::max(0, selected_ < 0 ? current : current - 1));
            break;
        case SDLK_DOWN:
            select(std::min(last, selected_ < 0 ? current : current + 1));
            break;
        case SDLK_PAGEUP:
            select(std::max(0, current - visibleRows()));
            break;
        case SDLK_PAGEDOWN:
            select(std::min(last, current + visibleRows()));
            break;
        case SDLK_HOME:
            select(0);
            break;
        case SDLK_END:
            select(last);
            break;
        default:
            break;
    }
}

void SimpleTextListWidget::select(int row) {
    selected_ = row;
    keepSelectionVisible();
    if (listener_ != nullptr) {
        listener_->onTextListSelected(id_, row);
    }
}

void SimpleTextListWidget::keepSelectionVisible() {
    if (selected_ < 0) {
        return;
    }
    if (selected_ < firstVisible_) {
        scrollTo(selected_);
    } else if (selected_ >= firstVisible_ + visibleRows()) {
        scrollTo(selected_ - visibleRows() + 1);
    }
}
