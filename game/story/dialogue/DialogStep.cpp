#include "game/story/dialogue/DialogStep.hpp"

#include <cctype>
#include <cstring>

#include "engine/core/XmlFile.hpp"
#include "game/story/dialogue/CharacterLibrary.hpp"

namespace {

int kindOf(const char* name) {
    static const struct {
        const char* name;
        int kind;
    } kinds[] = {{"Enter", DialogStep::Enter}, {"Talk", DialogStep::Talk}, {"Leave", DialogStep::Leave}};
    for (const auto& k : kinds) {
        if (std::strcmp(name, k.name) == 0) {
            return k.kind;
        }
    }
    return DialogStep::Unknown;
}

// A whole number: optional blanks and sign, then digits only.
bool isWholeNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    const std::size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i > digits && i == text.size();
}

}  // namespace

DialogStep DialogStep::read(const XmlFile& file, const tinyxml2::XMLElement* element,
                            const CharacterLibrary& library, const TextSource& textOf) {
    DialogStep step;
    step.line = element->GetLineNum();
    step.kind = kindOf(element->Name());
    if (step.kind == Unknown) {
        file.warn(element, std::string("the step kind \"") + element->Name() + "\" is unknown (Enter, Talk or Leave)");
        return step;
    }
    if (!file.hasAll(element, {"character", "continue"})) {
        return step;
    }
    const std::string continueBy = XmlFile::text(element, "continue");
    const int character = XmlFile::number(element, "character");
    if (continueBy == "timeout") {
        const std::string timeout = XmlFile::text(element, "timeout");
        if (!isWholeNumber(timeout)) {
            file.warn(element, "the timeout \"" + timeout + "\" is not a whole number of milliseconds");
        }
        step.timeout = XmlFile::number(element, "timeout");
        if (step.timeout < 0) {
            // Only a click ends a step that has no time of its own.
            file.warn(element, "the timeout " + std::to_string(step.timeout) + " is negative: the step takes no time");
            step.timeout = 0;
        }
        step.character = character;
    } else if (continueBy == "click") {
        step.character = character;
    } else {
        file.warn(element, "continue \"" + continueBy + "\" is neither \"click\" nor \"timeout\"");
    }
    if (step.character != -1 && !library.find(step.character)) {
        file.warn(element, "the character " + std::to_string(step.character) + " is not in the character library");
    }
    if (step.kind == Talk) {
        if (file.hasAll(element, {"textLabel"})) {
            step.textLabel = XmlFile::text(element, "textLabel");
            step.text = textOf(step.textLabel);
        }
    }
    return step;
}
