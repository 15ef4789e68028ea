#pragma once

#include <string>

#include "engine/widgets/TarvikButtonListener.hpp"
#include "engine/widgets/TextInputListener.hpp"
#include "game/menus/AnimatedDialogScreen.hpp"

class PlayerNameEntryListener;
class TarvikButton;
class TextInputWidget;
class TextLabel;

// The name field for a new profile or for renaming one. OK (or Return) is
// enabled only for a valid name: not empty, not the prompt, not the name of
// another profile ("NAME_EXISTS" shows when creating), at most
// "PlayerName.Length" characters; a character the dialog's font cannot draw
// is refused with a message. Confirming creates the profile and makes it
// current, or renames the profile, then tells the listener. Built by the
// screen factory with new PlayerNameEntry(rename, name); the listener (the
// profiles menu) is not owned.
class PlayerNameEntry : public AnimatedDialogScreen, public TarvikButtonListener, public TextInputListener {
public:
    enum ButtonId { OkButton = 0, CancelButton = 1 };
    static constexpr int Width = 480;
    static constexpr int Height = 300;
    static constexpr int DefaultMaxLength = 16;

    PlayerNameEntry(bool rename, const std::string& name, PlayerNameEntryListener* listener = nullptr);

    void onTarvikButton(int id, int code) override;
    void onTextChanged(int id, const std::string& text) override;
    void onKeyEvent(const KeyEvent& event) override;

    TextInputWidget* getField() const { return field_; }
    TarvikButton* getOkButton() const { return ok_; }
    bool isNameExistsShown() const;
    bool isBadCharacterShown() const;

protected:
    void createContent() override;
    void onLeft(int result) override;

private:
    void validate();
    void confirm();
    // Whether the dialog's font can draw the character (a code point).
    bool printable(int codePoint, char& byte) const;
    void addLabel(TextLabel* label, int y);

    bool rename_;
    std::string original_;
    std::string prompt_;
    // The field still shows the prompt (perhaps cut to the maximum length).
    bool showingPrompt_ = false;
    int maxLength_ = DefaultMaxLength;
    PlayerNameEntryListener* listener_;
    TextInputWidget* field_ = nullptr;
    TarvikButton* ok_ = nullptr;
    TextLabel* exists_ = nullptr;
    TextLabel* badCharacter_ = nullptr;
};
