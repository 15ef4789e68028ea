#include "game/persistence/screens/PlayerNameEntry.hpp"

#include <SDL/SDL_keysym.h>

#include <algorithm>

#include "engine/app/GameApp.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/text/Windows1252.hpp"
#include "engine/widgets/BlinkingVertCursor.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TextInputWidget.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerNameEntryListener.hpp"

namespace {

const char* const kOpening = "content/animations/PlayerName/DialogStart.xml";
const char* const kClosing = "content/animations/PlayerName/DialogClose.xml";
const char* const kFieldImage = "content/images/widgets/TextField.png";
constexpr int kFieldWidth = 260;
constexpr int kFieldHeight = 40;

const Color kTitleColor(94, 44, 18);
const Color kWarning(176, 24, 16);
const Color kHidden(176, 24, 16, 0);

}  // namespace

PlayerNameEntry::PlayerNameEntry(bool rename, const std::string& name, PlayerNameEntryListener* listener)
    : AnimatedDialogScreen("PlayerNameEntry", kOpening, kClosing, Width, Height),
      rename_(rename),
      original_(name),
      listener_(listener) {}

void PlayerNameEntry::addLabel(TextLabel* label, int y) {
    const Font* font = label->getFont();
    label->setGeometry(0, 0, Width, font ? font->getLineHeight() : 20);
    addControl(label, 0, y);
}

void PlayerNameEntry::createContent() {
    const SharedResources& shared = SharedResources::instance();
    prompt_ = MenuLook::label("ENTER_YOUR_NAME");
    addLabel(new TextLabel(MenuLook::label(rename_ ? "RENAME_PROFILE" : "NEW_PROFILE"), shared.trajanPro22,
                           kTitleColor, TextLabel::kModeCenteredX),
             40);

    maxLength_ = MenuServices::current().parameter("PlayerName.Length", DefaultMaxLength);
    showingPrompt_ = original_.empty();
    // The prompt is shown whole, however short names must be.
    const int promptLength = showingPrompt_ ? static_cast<int>(prompt_.size()) : 0;
    field_ = new TextInputWidget(this, 0, shared.aldine26, kFieldWidth, kFieldHeight,
                                 std::max(maxLength_, promptLength));
    Texture* frame = MenuServices::current().textures().load(kFieldImage, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture(kFieldImage, frame);
    field_->setFrameImage(frame);
    Font* fieldFont = shared.aldine26;
    const int caretHeight = fieldFont ? fieldFont->getLineHeight() : kFieldHeight - 12;
    field_->setCursor(std::make_unique<BlinkingVertCursor>(caretHeight, Color(58, 34, 18)));
    field_->setText(showingPrompt_ ? prompt_ : original_);
    addControl(field_, (Width - kFieldWidth) / 2, 96);
    getWidgetManager()->setFocus(field_);

    exists_ = new TextLabel(MenuLook::label("NAME_EXISTS"), shared.myriadPro16, kHidden, TextLabel::kModeCenteredX);
    addLabel(exists_, 144);
    badCharacter_ =
        new TextLabel(MenuLook::label("NAME_BAD_CHARACTER"), shared.myriadPro16, kHidden, TextLabel::kModeCenteredX);
    addLabel(badCharacter_, 164);

    ok_ = new TarvikButton(this, OkButton, MenuLook::button("OK"));
    ok_->setGeometry(0, 0, 200, 60);
    addControl(ok_, 30, 200);
    auto* cancel = new TarvikButton(this, CancelButton, MenuLook::button("CANCEL"));
    cancel->setGeometry(0, 0, 200, 60);
    addControl(cancel, 250, 200);
    validate();
}

void PlayerNameEntry::validate() {
    if (!field_) {
        return;
    }
    const PlayerProfiles::NameCheck check = showingPrompt_ ? PlayerProfiles::NameCheck::Invalid
                                                           : PlayerProfiles::instance().checkName(
                                                                 field_->getText(), prompt_, rename_);
    exists_->setTextColor(check == PlayerProfiles::NameCheck::Exists ? kWarning : kHidden);
    if (check == PlayerProfiles::NameCheck::Valid) {
        ok_->activate();
    } else {
        ok_->deactivate();
    }
}

bool PlayerNameEntry::isNameExistsShown() const {
    return exists_ && exists_->getTextColor().a != 0;
}

bool PlayerNameEntry::isBadCharacterShown() const {
    return badCharacter_ && badCharacter_->getTextColor().a != 0;
}

void PlayerNameEntry::onTextChanged(int /*id*/, const std::string& /*text*/) {
    badCharacter_->setTextColor(kHidden);
    validate();
}

bool PlayerNameEntry::printable(int codePoint, char& byte) const {
    const int code = Windows1252::fromUnicode(static_cast<char32_t>(codePoint));
    const Font* font = SharedResources::instance().aldine26;
    if (code < 32 || (font && !font->hasGlyph(code))) {
        return false;
    }
    byte = static_cast<char>(code);
    return true;
}

void PlayerNameEntry::onKeyEvent(const KeyEvent& event) {
    if (event.action != KeyEvent::Press || getState() != Open || !field_) {
        AnimatedDialogScreen::onKeyEvent(event);
        return;
    }
    if (event.key == SDLK_RETURN || event.key == SDLK_KP_ENTER) {
        if (ok_->isActive()) {
            confirm();
        }
        return;
    }
    if (event.key == SDLK_ESCAPE) {
        closeDialog(CancelButton);
        return;
    }
    const bool erase = event.key == SDLK_BACKSPACE || event.key == SDLK_DELETE;
    const bool typed = event.unicode >= 32 && event.unicode != 127 && !erase;
    KeyEvent forwarded = event;
    if (typed && !printable(event.unicode, forwarded.character)) {
        badCharacter_->setTextColor(kWarning);
        return;
    }
    // The prompt gives way to the first key typed or erased.
    if ((typed || erase) && showingPrompt_) {
        showingPrompt_ = false;
        field_->setText(std::string());
        field_->setMaxLength(maxLength_);
        validate();
    }
    AnimatedDialogScreen::onKeyEvent(forwarded);
}

void PlayerNameEntry::onTarvikButton(int id, int code) {
    if (code != 1 || getState() != Open) {
        return;
    }
    if (id == OkButton) {
        confirm();
    } else if (id == CancelButton) {
        closeDialog(CancelButton);
    }
}

void PlayerNameEntry::confirm() {
    const std::string name = field_->getText();
    PlayerProfiles& profiles = PlayerProfiles::instance();
    if (!ok_->isActive()) {
        return;
    }
    if (rename_) {
        for (int i = 0; i < profiles.count(); ++i) {
            if (profiles.at(i)->name == original_) {
                profiles.at(i)->name = name;
                break;
            }
        }
    } else {
        profiles.add(name);
        profiles.select(profiles.count() - 1);
    }
    if (listener_) {
        listener_->nameEntered(rename_, name);
    }
    closeDialog(OkButton);
}

void PlayerNameEntry::onLeft(int /*result*/) {
    gameApp()->popState();
}
