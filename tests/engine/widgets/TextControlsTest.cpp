#include <gtest/gtest.h>

#include <SDL/SDL_keysym.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "engine/widgets/BlinkingVertCursor.hpp"
#include "engine/widgets/SimpleTextListListener.hpp"
#include "engine/widgets/SimpleTextListWidget.hpp"
#include "engine/widgets/TextInputListener.hpp"
#include "engine/widgets/TextInputWidget.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"

namespace {

using namespace controls;

struct TextLog : TextInputListener, SimpleTextListListener {
    void onTextChanged(int id, const std::string& text) override { edits.emplace_back(id, text); }
    void onTextListSelected(int id, int row) override { picks.emplace_back(id, row); }
    std::vector<std::pair<int, std::string>> edits;
    std::vector<std::pair<int, int>> picks;
};

class TextControlsTest : public PlacedControlTest {
protected:
    // The x on screen of the gap before character index of a field at fieldX.
    static int gapX(int fieldX, int index) { return fieldX + TextInputWidget::PaddingX + index * FixedFont::Advance; }

    TextLog log;
    FixedFont font;
};

TEST_F(TextControlsTest, TextInputEditsAtTheCaretWithinItsLimits) {
    TextInputWidget field(&log, 2, &font, 200, 30, 6);
    place(field, 100, 100);

    type("ab");
    EXPECT_EQ("", field.getText());
    EXPECT_TRUE(takeSounds().empty());

    press(150, 110);
    release(150, 110);
    EXPECT_EQ(&field, manager->getFocused());
    EXPECT_TRUE(field.isEditable());
    type("Hello!");
    EXPECT_EQ("Hello!", field.getText());
    EXPECT_EQ(6, field.getCaret());
    EXPECT_EQ(6u, takeSounds().size());
    EXPECT_EQ((std::pair<int, std::string>(2, "Hello!")), log.edits.back());

    // Full: typing changes nothing but is still heard.
    log.edits.clear();
    type("x");
    EXPECT_EQ("Hello!", field.getText());
    EXPECT_EQ((Sounds{"TEXT_INPUT"}), takeSounds());
    EXPECT_TRUE(log.edits.empty());

    key(SDLK_LEFT);
    key(SDLK_LEFT);
    EXPECT_EQ(4, field.getCaret());
    key(SDLK_BACKSPACE);
    EXPECT_EQ("Helo!", field.getText());
    EXPECT_EQ(3, field.getCaret());
    key(SDLK_DELETE);
    EXPECT_EQ("Heo!", field.getText());
    key('l', 'l');
    key('l', 'l');
    EXPECT_EQ("Hello!", field.getText());
    key(SDLK_HOME);
    EXPECT_EQ(0, field.getCaret());
    key(SDLK_DELETE);
    key(SDLK_BACKSPACE);
    EXPECT_EQ("Hello!", field.getText());
    key(SDLK_LEFT);
    EXPECT_EQ(0, field.getCaret());
    key(SDLK_END);
    key(SDLK_RIGHT);
    EXPECT_EQ(6, field.getCaret());
    key(SDLK_UP);
    EXPECT_EQ(0, field.getCaret());
    key(SDLK_DOWN);
    EXPECT_EQ(6, field.getCaret());
    // Keys without a character (Shift) and releases change nothing.
    takeSounds();
    key(SDLK_LSHIFT);
    KeyEvent up;
    up.key = 'a';
    up.character = 'a';
    up.action = KeyEvent::Release;
    manager->onKeyEvent(up);
    EXPECT_EQ("Hello!", field.getText());
    EXPECT_TRUE(takeSounds().empty());

    // The cursor follows the caret and shows right after a change.
    auto* cursor = static_cast<BlinkingVertCursor*>(field.getCursor());
    EXPECT_EQ(TextInputWidget::PaddingX + 6 * FixedFont::Advance, cursor->getX());
    frame(501);
    EXPECT_FALSE(cursor->isShown());
    key(SDLK_LEFT);
    EXPECT_TRUE(cursor->isShown());
    EXPECT_EQ(TextInputWidget::PaddingX + 5 * FixedFont::Advance, cursor->getX());

    // Filter and shortened limit.
    field.setText("");
    field.setFilter([](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    type("a1b2");
    EXPECT_EQ("12", field.getText());
    field.setText("123456");
    field.setMaxLength(3);
    EXPECT_EQ("123", field.getText());

    // Read only: no edits.
    field.setReadOnly(true);
    type("9");
    key(SDLK_BACKSPACE);
    EXPECT_EQ("123", field.getText());

    // Losing focus ends editing.
    field.setReadOnly(false);
    press(600, 600);
    EXPECT_FALSE(field.isEditable());
    type("4");
    EXPECT_EQ("123", field.getText());
}

TEST_F(TextControlsTest, MouseSelectionIsReplacedByTheNextEdit) {
    TextInputWidget field(&log, 3, &font, 300, 30, 20);
    place(field, 100, 100);
    field.setText("painted door");

    press(gapX(100, 2) + 1, 110);
    EXPECT_EQ(2, field.getCaret());
    move(gapX(100, 7) - 2, 110, MouseEvent::Left);
    release(gapX(100, 7) - 2, 110);
    EXPECT_EQ("inted", field.getSelection());

    // Moving the caret drops the selection and keeps the text.
    key(SDLK_LEFT);
    EXPECT_FALSE(field.hasSelection());
    EXPECT_EQ("painted door", field.getText());

    press(gapX(100, 0), 110);
    move(gapX(100, 7), 110, MouseEvent::Left);
    release(gapX(100, 7), 110);
    key('W', 'W');
    EXPECT_EQ("W door", field.getText());
    EXPECT_EQ(1, field.getCaret());

    press(gapX(100, 1), 110);
    move(gapX(100, 6), 110, MouseEvent::Left);
    release(gapX(100, 6), 110);
    key(SDLK_BACKSPACE);
    EXPECT_EQ("W", field.getText());

    // A click past the end puts the caret at the end; read-only ignores the mouse.
    press(390, 110);
    EXPECT_EQ(1, field.getCaret());
    field.setText("abc");
    field.setReadOnly(true);
    press(gapX(100, 1), 110);
    EXPECT_EQ(3, field.getCaret());

    // The selection and the text are drawn; the cursor only while editable.
    field.setReadOnly(false);
    press(gapX(100, 0), 110);
    move(gapX(100, 2), 110, MouseEvent::Left);
    app.graphics.calls.clear();
    font.lines.clear();
    field.draw(&app.graphics, &screen);
    const auto fills = app.graphics.callsOf("fillRect");
    ASSERT_EQ(2u, fills.size());
    EXPECT_EQ(2 * FixedFont::Advance, fills[0].args[2]);
    EXPECT_EQ(BlinkingVertCursor::Width, fills[1].args[2]);
    ASSERT_EQ(1u, font.lines.size());
    EXPECT_EQ("abc", font.lines[0].text);
}

TEST_F(TextControlsTest, TextListSelectsAndScrolls) {
    const int row = FixedFont::Line + 4;
    SimpleTextListWidget list(&log, 8, &font, 200, 3 * row + 5, 4);
    place(list, 100, 100);
    EXPECT_EQ(3, list.visibleRows());
    list.setRows({"Anna", "Bram", "Cleo", "Dirk", "Emma", "Floor"});

    press(150, 100 + row + 3);
    EXPECT_EQ(1, list.getSelected());
    EXPECT_EQ((std::vector<std::pair<int, int>>{{8, 1}}), log.picks);

    list.scrollBy(2);
    EXPECT_EQ(2, list.getFirstVisible());
    press(150, 100 + 2 * row + 1);
    EXPECT_EQ(4, list.getSelected());
    list.scrollBy(10);
    EXPECT_EQ(3, list.getFirstVisible());
    list.scrollTo(-4);
    EXPECT_EQ(0, list.getFirstVisible());

    // Below the last row nothing is picked.
    list.setRows({"Anna", "Bram"});
    log.picks.clear();
    press(150, 100 + 2 * row + 1);
    EXPECT_EQ(-1, list.getSelected());
    EXPECT_TRUE(log.picks.empty());

    // Keys move the selection and keep it in view.
    list.setRows({"Anna", "Bram", "Cleo", "Dirk", "Emma", "Floor"});
    press(150, 101);
    key(SDLK_DOWN);
    key(SDLK_DOWN);
    key(SDLK_DOWN);
    EXPECT_EQ(3, list.getSelected());
    EXPECT_EQ(1, list.getFirstVisible());
    key(SDLK_END);
    EXPECT_EQ(5, list.getSelected());
    EXPECT_EQ(3, list.getFirstVisible());
    key(SDLK_PAGEUP);
    EXPECT_EQ(2, list.getSelected());
    EXPECT_EQ(2, list.getFirstVisible());
    key(SDLK_HOME);
    key(SDLK_UP);
    EXPECT_EQ(0, list.getSelected());
    EXPECT_EQ(0, list.getFirstVisible());

    // Only the visible rows are drawn, the selected one highlighted.
    list.scrollTo(2);
    list.setSelected(3);
    font.lines.clear();
    app.graphics.calls.clear();
    list.draw(&app.graphics, &screen);
    ASSERT_EQ(3u, font.lines.size());
    EXPECT_EQ("Cleo", font.lines[0].text);
    EXPECT_EQ("Emma", font.lines[2].text);
    EXPECT_NE(font.lines[0].color, font.lines[1].color);
    const auto fills = app.graphics.callsOf("fillRect");
    ASSERT_EQ(1u, fills.size());
    EXPECT_EQ(row, fills[0].args[1]);
}

}  // namespace
