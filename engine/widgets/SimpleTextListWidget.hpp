#pragma once

#include <string>
#include <vector>

#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class Font;
class SimpleTextListListener;
class Texture;

// A column of text rows of which as many as fit the widget's height are
// shown, starting at the first visible row. A press selects the row under the
// pointer and tells the listener; with keyboard focus Up, Down, Page Up, Page
// Down, Home and End move the selection, and the list scrolls to keep it in
// view. Font, frame picture and listener are not owned.
class SimpleTextListWidget : public Widget {
public:
    static constexpr int PaddingX = 8;

    SimpleTextListWidget(SimpleTextListListener* listener, int id, Font* font, int width, int height,
                         int rowSpacing = 4);

    void draw(Graphics* graphics, ScreenBase* screen) override;
    void onMousePress(const MouseEvent& event) override;
    void onKeyEvent(const KeyEvent& event) override;

    void setRows(const std::vector<std::string>& rows);
    void addRow(const std::string& row);
    const std::vector<std::string>& getRows() const { return rows_; }
    // -1 for no selection; out-of-range rows select nothing. Not reported.
    void setSelected(int row);
    int getSelected() const { return selected_; }
    // Clamped so that the last page is full when there are enough rows.
    void scrollTo(int firstRow);
    void scrollBy(int rows) { scrollTo(firstVisible_ + rows); }
    int getFirstVisible() const { return firstVisible_; }
    int rowHeight() const;
    int visibleRows() const;
    // Drawn at (x, y) relative to the widget before the rows.
    void setFrameImage(Texture* frame, int x, int y);
    void setColors(const Color& text, const Color& selectedText, const Color& selection);

private:
    void select(int row);
    void keepSelectionVisible();

    std::vector<std::string> rows_;
    int rowSpacing_;
    int firstVisible_ = 0;
    int selected_ = -1;
    SimpleTextListListener* listener_;
    int id_;
    Font* font_;
    Texture* frame_ = nullptr;
    int frameX_ = 0;
    int frameY_ = 0;
    Color textColor_ = Color(70, 40, 20);
    Color selectedTextColor_ = Color(255, 246, 220);
    Color selectionColor_ = Color(122, 52, 30, 220);
};
