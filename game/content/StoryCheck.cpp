#include "game/content/StoryCheck.hpp"

#include <filesystem>
#include <memory>
#include <sstream>
#include <vector>

#include "engine/animation/AnimationPlayer.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/Log.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/text/AngelFont.hpp"
#include "game/content/ContentFiles.hpp"
#include "game/content/LabelCheck.hpp"
#include "game/content/UndecodedTextures.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/cutscenes/CreditsFile.hpp"
#include "game/story/cutscenes/CreditsScreen.hpp"
#include "game/story/cutscenes/CutsceneList.hpp"
#include "game/story/dialogue/Dialog.hpp"
#include "game/story/dialogue/DialogScreen.hpp"
#include "game/story/flow/AnimationRequest.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"

namespace {

constexpr const char* kStoryFolder = "content/story";
constexpr const char* kAnimationFolder = "content/animations/";
constexpr int kWidth = 1024;

// Fonts the checker had to read itself, kept while it runs.
std::vector<std::unique_ptr<Font>>& ownFonts() {
    static std::vector<std::unique_ptr<Font>> fonts;
    return fonts;
}

UndecodedTextures& undecoded() {
    static UndecodedTextures textures;
    return textures;
}

int lineCount(const std::string& text) {
    int lines = 1;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines;
}

}  // namespace

StoryCheck::StoryCheck(const ContentFiles& files, LabelCheck& labels, Font* dialogueFont, Font* creditsFont)
    : files_(files), labels_(labels), dialogueFont_(dialogueFont), creditsFont_(creditsFont) {}

StoryCheck::~StoryCheck() {
    ownFonts().clear();
}

Font* StoryCheck::font(Font* given, const std::string& path) {
    if (given || !files_.exists(path)) {
        return given;
    }
    static CpuTextureFactory pages;
    ownFonts().push_back(std::make_unique<AngelFont>(path, &pages));
    return ownFonts().back().get();
}

void StoryCheck::run() {
    dialogueFont_ = font(dialogueFont_, DialogScreen::FontFile);
    creditsFont_ = font(creditsFont_, CreditsScreen::FontFile);
    checkCredits();
    std::error_code ignored;
    if (!std::filesystem::is_directory(files_.path(kStoryFolder), ignored)) {
        return;
    }
    for (const DialogRequest& request : GameFlow::storyChainFiles()) {
        if (!files_.exists(request.fileName)) {
            files_.report().add(files_.path(request.fileName), 0, "the story chain plays this file; it is missing");
        } else {
            request.justPlayAnimation ? checkAnimation(request.fileName) : checkDialogue(request.fileName);
        }
    }
    const std::string flowFile = GameFlow::FlowFile;
    GameFlow flow;
    {
        // The flow file's own faults are reported where the flow is checked.
        const Log::Level threshold = Log::instance().threshold();
        Log::instance().setThreshold(Log::Error);
        flow.load(flowFile, SceneIndex());
        Log::instance().setThreshold(threshold);
    }
    for (const FlowEntry& entry : flow.entries()) {
        if (entry.type == ScreenTypes::DialogScreen && entry.parameters.has("fileName")) {
            const std::optional<DialogRequest> request = DialogRequest::read(entry.parameters);
            if (files_.require(request->fileName, flowFile, entry.line, "the story file")) {
                request->justPlayAnimation ? checkAnimation(request->fileName) : checkDialogue(request->fileName);
            }
        } else if (entry.type == ScreenTypes::Animation) {
            const AnimationRequest request = AnimationRequest::read(entry.parameters);
            if (request.configPath != "MOCK" &&
                files_.require(request.configPath, flowFile, entry.line, "the cut-scene")) {
                checkCutscene(request.configPath);
            }
        }
    }
}

void StoryCheck::checkAnimation(const std::string& path) {
    // Animations under the animations folder are read with all the others.
    if (path.compare(0, std::string(kAnimationFolder).size(), kAnimationFolder) == 0 || !checked_.insert(path).second) {
        return;
    }
    AnimationPlayer player(nullptr, &undecoded());
    player.loadAnimation(path, 0);
}

void StoryCheck::checkCutscene(const std::string& path) {
    if (!checked_.insert(path).second) {
        return;
    }
    for (const std::string& animation : CutsceneList::read(path)) {
        checkAnimation(animation);
    }
}

void StoryCheck::checkDialogue(const std::string& path) {
    if (!checked_.insert(path).second) {
        return;
    }
    const Dialog dialog(path, undecoded());
    const CharacterLibrary& library = dialog.library();
    if (checked_.insert(library.fileName()).second) {
        for (const auto& entry : library.characters()) {
            const DialogCharacter& character = *entry.second;
            labels_.use(character.name, library.fileName(), character.line);
            for (const std::string& text : labels_.textsOf(character.name)) {
                checkFits(library.fileName(), character.line, character.name, text, character.nameBox, false);
            }
            for (const std::string& animation : character.animations) {
                if (!animation.empty()) {
                    checkAnimation(animation);
                }
            }
        }
    }
    for (const DialogStep& step : dialog.steps()) {
        const DialogCharacter* speaker = library.find(step.character);
        if (step.kind != DialogStep::Talk || step.textLabel.empty()) {
            continue;
        }
        labels_.use(step.textLabel, path, step.line);
        for (const std::string& text : labels_.textsOf(step.textLabel)) {
            if (speaker) {
                checkFits(path, step.line, step.textLabel, Dialog::fillName(text, LongestName), speaker->textBox,
                          true);
            }
        }
    }
}

void StoryCheck::checkFits(const std::string& file, int line, const std::string& key, const std::string& text,
                           const IntRect& box, bool wrap) {
    if (!dialogueFont_ || box.w <= 0 || box.h <= 0) {
        return;
    }
    std::string laidOut = text;
    if (wrap) {
        dialogueFont_->wrapWords(text, laidOut, box.w);
    }
    int widest = 0;
    std::istringstream lines(laidOut);
    for (std::string part; std::getline(lines, part);) {
        widest = std::max(widest, dialogueFont_->textWidth(part));
    }
    const int height = lineCount(laidOut) * dialogueFont_->getLineHeight();
    if (widest > box.w || height > box.h) {
        files_.report().add(files_.path(file), line,
                            "the text of " + key + " needs " + std::to_string(widest) + " x " +
                                std::to_string(height) + " pixels but its box is " + std::to_string(box.w) + " x " +
                                std::to_string(box.h));
    }
}

void StoryCheck::checkCredits() {
    Config config;
    if (!config.load("content/config/config.xml") || config.getCreditsFile().empty() ||
        !files_.exists(config.getCreditsFile())) {
        return;
    }
    CreditsFile credits;
    credits.load(config.getCreditsFile());
    const int room = credits.centredRoom(kWidth);
    for (const CreditsFile::Line& line : credits.lines) {
        const int width = creditsFont_ ? creditsFont_->textWidth(line.text) : 0;
        if (width > room) {
            files_.report().add(files_.path(config.getCreditsFile()), line.line,
                                "the line is " + std::to_string(width) + " pixels wide but only " +
                                    std::to_string(room) + " fit centred on StartX");
        }
    }
}
