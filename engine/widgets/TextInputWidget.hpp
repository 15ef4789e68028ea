#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class Font;
class Sound;
class Texture;
class TextInputCursor;
class TextInputListener;

// A one-line text field. While it has keyboard focus it is editable: typed
// characters that the filter accepts are inserted at the caret up to the
// maximum length, Backspace and Delete remove the character left of the
// caret, the arrows, Home and End move the caret, and each edit plays
// "TEXT_INPUT" (or the fallback sound while the catalogue is off). The mouse
// places the caret and drags a selection, which the next edit replaces. A
// read-only field shows its text but takes no edits. Font, frame picture,
// listener and fallback sound are not owned; the cursor is.
class TextInputWidget : public Widget {
public:
    using Filter = std::function<bool(char)>;

    static constexpr int PaddingX = 10;

    TextInputWidget(TextInputListener* listener, int id, Font* font, int width, int height,
                    int maxLength = 32);
    ~TextInputWidget() override;

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void onKeyEvent(const KeyEvent& event) override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseMove(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;
    void onFocusGained() override;
    void onFocusLost() override;

    // Replaces the text (cut to the maximum length) and puts the caret at its end.
    void setText(const std::string& text);
    const std::string& getText() const { return text_; }
    void setMaxLength(int length);
    int getMaxLength() const { return maxLength_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }
    // Null accepts every printable character.
    void setFilter(Filter filter) { filter_ = std::move(filter); }
    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }
    // Whether gaining and losing keyboard focus start and stop editing.
    void setAcceptsFocus(bool accepts) { acceptsFocus_ = accepts; }
    void setCursor(std::unique_ptr<TextInputCursor> cursor);
    TextInputCursor* getCursor() const { return cursor_.get(); }
    void setFallbackSound(Sound* sound) { fallbackSound_ = sound; }
    // Drawn behind the text at the widget's corner.
    void setFrameImage(Texture* frame) { frame_ = frame; }
    void setTextColor(const Color& color) { textColor_ = color; }

    int getCaret() const { return caret_; }
    bool hasSelection() const { return anchor_ != caret_; }
    // The selected text, empty without a selection.
    std::string getSelection() const;

private:
    bool isMoveKey(int key) const;
    void moveCaret(int key);
    void deleteSelection();
    int caretAt(int localX) const;
    int textX(int index) const;
    int textTop() const;
    void caretMoved();
    void notify();

    std::string text_;
    int caret_ = 0;
    int anchor_ = 0;
    bool selecting_ = false;
    bool editable_ = false;
    bool acceptsFocus_ = true;
    bool readOnly_ = false;
    int maxLength_;
    Filter filter_;
    std::unique_ptr<TextInputCursor> cursor_;
    Sound* fallbackSound_ = nullptr;
    TextInputListener* listener_;
    int id_;
    Font* font_;
    Texture* frame_ = nullptr;
    Color textColor_ = Color(58, 34, 18);
};
