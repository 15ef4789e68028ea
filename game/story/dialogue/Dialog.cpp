#include "game/story/dialogue/Dialog.hpp"

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/resources/ResourceRegistry.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/persistence/PlayerProfiles.hpp"

namespace {

// Character animations take four player ids each, from this id on.
constexpr int kFirstSlot = 100;

}  // namespace

Dialog::Dialog(const std::string& path, TextureFactory& textures)
    : fileName_(path), timeout_(DialogStep::WaitForClick), resources_(std::make_unique<ResourceManager>()) {
    ResourceRegistry::instance().add(resources_.get());
    load(path, textures);
}

Dialog::~Dialog() {
    ResourceRegistry::instance().remove(resources_.get());
}

void Dialog::load(const std::string& path, TextureFactory& textures) {
    const XmlFile file(path, "Dialog");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return;
    }
    if (const tinyxml2::XMLElement* element = root->FirstChildElement("Background")) {
        const std::string picture = XmlFile::text(element, "file");
        if (file.hasAll(element, {"file"}) && file.needsFile(element, picture, "the background")) {
            background_ = textures.load(picture, nullptr, Texture::KeepNothing);
            if (background_) {
                resources_->addTexture(picture, background_);
            }
        }
    }
    if (const tinyxml2::XMLElement* element = root->FirstChildElement("Sound")) {
        startSound_ = XmlFile::text(element, "sfx");
    }
    const tinyxml2::XMLElement* characters = root->FirstChildElement("Characters");
    if (!characters) {
        file.warn(root, "the dialogue names no character library (Characters file)");
    } else if (file.hasAll(characters, {"file"}) &&
               file.needsFile(characters, XmlFile::text(characters, "file"), "the character library")) {
        library_.load(XmlFile::text(characters, "file"));
    }
    if (const tinyxml2::XMLElement* reposition = root->FirstChildElement("Reposition")) {
        for (const tinyxml2::XMLElement* entry = reposition->FirstChildElement("Character"); entry;
             entry = entry->NextSiblingElement("Character")) {
            if (!file.hasAll(entry, {"id", "x", "y"})) {
                continue;
            }
            DialogCharacter* character = library_.find(XmlFile::number(entry, "id"));
            if (!character) {
                file.warn(entry, "the character " + XmlFile::text(entry, "id") + " is not in the character library");
                continue;
            }
            character->x = XmlFile::number(entry, "x");
            character->y = XmlFile::number(entry, "y");
        }
    }
    const tinyxml2::XMLElement* sequence = root->FirstChildElement("Sequence");
    if (!sequence) {
        file.warn(root, "the dialogue has no Sequence: it ends at once");
        return;
    }
    const DialogStep::TextSource textOf = [this](const std::string& key) {
        return insertPlayerName(MenuLook::label(key));
    };
    for (const tinyxml2::XMLElement* element = sequence->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        steps_.push_back(DialogStep::read(file, element, library_, textOf));
    }
}

void Dialog::attach(AnimationPlayer* player, WidgetManager* manager) {
    int slot = kFirstSlot;
    for (const auto& entry : library_.characters()) {
        entry.second->attach(player, manager, slot);
        slot += DialogCharacter::AnimationCount;
    }
    if (!startSound_.empty()) {
        SfxContainer::instance().play(startSound_);
    }
}

void Dialog::click() {
    if (!held_ && waitingForClick_) {
        waitingForClick_ = false;
    }
}

void Dialog::update(int milliseconds, ScreenBase* /*screen*/) {
    for (const auto& entry : library_.characters()) {
        entry.second->update(milliseconds);
    }
    if (held_ || finished_) {
        return;
    }
    elapsed_ += milliseconds;
    if ((timeout_ >= 0 && elapsed_ >= timeout_) || (timeout_ == DialogStep::WaitForClick && !waitingForClick_)) {
        nextStep();
        elapsed_ = 0;
    }
}

void Dialog::nextStep() {
    if (cursor_ >= steps_.size()) {
        finished_ = true;
        dialogueFinished();
        return;
    }
    const DialogStep& step = steps_[cursor_++];
    timeout_ = step.timeout;
    if (timeout_ == DialogStep::WaitForClick) {
        waitingForClick_ = true;
    }
    if (speaker_ != -1 && speaker_ != step.character) {
        if (DialogCharacter* previous = library_.find(speaker_)) {
            previous->endTalk();
        }
    }
    DialogCharacter* character = library_.find(step.character);
    switch (step.kind) {
    case DialogStep::Enter:
        if (character) {
            character->playAnimation(DialogCharacter::EntryAnimation);
        }
        speaker_ = -1;
        break;
    case DialogStep::Talk:
        if (character) {
            character->talk(step.text, speaker_ != step.character);
        }
        speaker_ = step.character;
        break;
    case DialogStep::Leave:
        if (character) {
            character->playAnimation(DialogCharacter::LeaveAnimation);
        }
        speaker_ = -1;
        break;
    default:
        break;
    }
}

void Dialog::drawSpeaker(Graphics* graphics, Font* font) const {
    if (const DialogCharacter* character = library_.find(speaker_)) {
        character->drawSpeech(graphics, font, MenuLook::label(character->name));
    }
}

std::string Dialog::insertPlayerName(const std::string& text) const {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    return fillName(text, player ? player->name : std::string());
}

std::string Dialog::fillName(const std::string& text, const std::string& name) {
    static const std::string placeholder = "%s";
    std::string filled;
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, from)) {
        filled.append(text, from, at - from);
        filled += name;
        from = at + placeholder.size();
    }
    filled.append(text, from, std::string::npos);
    return filled;
}
