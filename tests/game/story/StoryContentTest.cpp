#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TexturePicture.hpp"
#include "engine/text/LabelManager.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/LogCapture.hpp"
#include "support/PngImage.hpp"
#include "support/TestApp.hpp"

namespace {

namespace fs = std::filesystem;

// Story files name their pictures and libraries from the folder that holds content/.
const fs::path kGameRoot = fs::path(CHRONA_CONTENT_DIR).parent_path();

const std::vector<std::string> kDialogues = {
    "IntroScene_03", "IntroScene_04", "IntroScene_05", "Tutorial",   "Tutorial_TimeZapper", "CutScene_1",
    "CutScene_2",    "CutScene_3",    "CutScene_4",    "CutScene_5", "CutScene_6"};

const std::vector<std::string> kSequences = {
    "Intro/Sequence01/Sequence01.xml", "Intro/Sequence02/Sequence02.xml", "Outro/Sequence01/Sequence01.xml",
    "Outro/Sequence02/Sequence02.xml", "Outro/Sequence03/Sequence03.xml"};

constexpr std::size_t kLeave = 3;  // entry, begin-talk, end-talk, leave

struct Character {
    std::string name;
    std::vector<std::string> animations;
};

// The character library as the dialogues use it: id -> name label and its four animations.
std::map<int, Character> readLibrary(const fs::path& path) {
    std::map<int, Character> library;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.string().c_str()) != tinyxml2::XML_SUCCESS) {
        ADD_FAILURE() << path << " does not parse";
        return library;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("Characters");
    const tinyxml2::XMLElement* defaults = root->FirstChildElement("Defaults");
    const std::string prefix = defaults != nullptr ? defaults->Attribute("path") : "";
    for (const tinyxml2::XMLElement* entry = root->FirstChildElement("Character"); entry != nullptr;
         entry = entry->NextSiblingElement("Character")) {
        Character& character = library[entry->IntAttribute("id", -1)];
        character.name = entry->Attribute("name");
        for (const char* kind : {"EntryAnimation", "BeginTalkAnimation", "EndTalkAnimation", "LeaveAnimation"}) {
            const tinyxml2::XMLElement* animation = entry->FirstChildElement(kind);
            character.animations.push_back(animation != nullptr ? prefix + animation->Attribute("file") : "");
        }
    }
    return library;
}

// The names of the sound effects the game knows.
std::set<std::string> soundEffects() {
    std::set<std::string> names;
    tinyxml2::XMLDocument document;
    document.LoadFile((fs::path(CHRONA_CONTENT_DIR) / "config/sfx.xml").string().c_str());
    if (const tinyxml2::XMLElement* root = document.FirstChildElement("SFX")) {
        for (const tinyxml2::XMLElement* effect = root->FirstChildElement(); effect != nullptr;
             effect = effect->NextSiblingElement()) {
            if (const char* name = effect->Attribute("name")) {
                names.insert(name);
            }
        }
    }
    return names;
}

// The most opaque of an animation's objects.
float mostOpaque(const Animation2D& animation) {
    float alpha = 0.0f;
    for (const auto& element : animation.getElements()) {
        alpha = std::max(alpha, element->current.alpha);
    }
    return alpha;
}

struct Played {
    float shownAtStart = 0.0f;  // as loaded, and as a stopped animation shows itself
    float shownAtEnd = 0.0f;
    int length = 0;
    int ends = 0;
    std::size_t objects = 0;
    std::vector<std::string> missingPictures;
    std::vector<std::string> oversizedPictures;  // wider or taller than a texture may be without a warning
    std::string warnings;
};

// Loads one key-frame file as the dialogue and cut-scene screens do and plays it through.
Played play(const fs::path& path) {
    class EndCount : public AnimationPlayerListener {
    public:
        void animationFinished(int) override { ++ends; }
        int ends = 0;
    };
    Played result;
    LogCapture log;
    FakeTextureFactory textures(true);
    EndCount count;
    AnimationPlayer player(&count, &textures);
    Animation2D* animation = player.loadAnimation(path.string(), 1);
    result.length = animation->getLength();
    result.objects = animation->getElements().size();
    for (const auto& element : animation->getElements()) {
        if (element->getTexture() == nullptr || element->getTexture()->getWidth() == 0) {
            result.missingPictures.push_back(element->getFile());
        }
        PngImage picture;
        if (picture.load((path.parent_path() / element->getFile()).string()) &&
            (picture.width > TexturePicture::WarnedSize || picture.height > TexturePicture::WarnedSize)) {
            result.oversizedPictures.push_back(element->getFile());
        }
    }
    result.shownAtStart = mostOpaque(*animation);
    player.playAnimation(1);
    for (int t = 0; t <= result.length + 20; t += 20) {
        animation->update(20, nullptr);
    }
    result.ends = count.ends;
    result.shownAtEnd = mostOpaque(*animation);
    result.warnings = log.takeText();
    return result;
}

// Read without a complaint, with at least so many objects whose pictures all
// exist and fit a texture, a length in the range, and one reported end.
void expectPlaysCleanly(const Played& played, std::size_t minObjects, int minLength, int maxLength) {
    EXPECT_EQ(played.warnings, "");
    EXPECT_GE(played.objects, minObjects);
    EXPECT_TRUE(played.missingPictures.empty()) << played.missingPictures.front();
    EXPECT_TRUE(played.oversizedPictures.empty()) << played.oversizedPictures.front();
    EXPECT_GE(played.length, minLength);
    EXPECT_LE(played.length, maxLength);
    EXPECT_EQ(played.ends, 1);
}

}  // namespace

// Every character of the library has a name label and four animations that
// read without a complaint, find their pictures and end once, each quick
// enough not to hold up the conversation.
TEST(StoryContent, EveryCharacterAnimationLoadsAndEnds) {
    TestApp app;
    LabelManager labels;
    labels.load((fs::path(CHRONA_CONTENT_DIR) / "config/labels/EN.xml").string());
    const std::map<int, Character> library = readLibrary(kGameRoot / "content/story/characters/Characters.xml");
    ASSERT_GE(library.size(), 2u);
    ASSERT_LE(library.size(), 4u);
    for (const auto& [id, character] : library) {
        SCOPED_TRACE("character " + std::to_string(id));
        EXPECT_TRUE(labels.hasLabel(character.name)) << character.name;
        for (std::size_t index = 0; index < character.animations.size(); ++index) {
            const std::string& file = character.animations[index];
            SCOPED_TRACE(file);
            ASSERT_FALSE(file.empty()) << "an animation is missing";
            const Played played = play(kGameRoot / file);
            expectPlaysCleanly(played, 1, 300, 1200);
            // Each draws the whole figure: nothing while stopped, and at its
            // end the figure stays (entry, begin-talk, end-talk) or is gone (leave).
            EXPECT_EQ(played.shownAtStart, 0.0f);
            EXPECT_EQ(played.shownAtEnd, index == kLeave ? 0.0f : 255.0f);
        }
    }
}

// The intro and outro cut-scenes run 8 to 20 seconds, read cleanly and find
// every picture, including those they borrow from the painting and the story.
TEST(StoryContent, CutSceneSequencesLoadAndRunEightToTwentySeconds) {
    TestApp app;
    for (const std::string& sequence : kSequences) {
        SCOPED_TRACE(sequence);
        expectPlaysCleanly(play(fs::path(CHRONA_CONTENT_DIR) / "animations/CutScenes" / sequence), 3, 8000, 20000);
    }
}

// Each dialogue of the story chain is 6 to 20 steps of known kinds by
// characters of its library, its pictures and start sound exist, and every Talk names a
// label whose text takes the player's name at most once (as "%s", the only
// "%" the name insertion understands), and never before the player has
// signed the journal.
TEST(StoryContent, DialoguesUseKnownStepsCharactersAndLabels) {
    LabelManager labels;
    labels.load((fs::path(CHRONA_CONTENT_DIR) / "config/labels/EN.xml").string());
    std::set<std::string> usedLabels;
    const std::set<std::string> effects = soundEffects();
    for (const std::string& name : kDialogues) {
        const fs::path path = fs::path(CHRONA_CONTENT_DIR) / "story/dialogs" / (name + ".xml");
        SCOPED_TRACE(path.string());
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(path.string().c_str()), tinyxml2::XML_SUCCESS);
        const tinyxml2::XMLElement* root = document.FirstChildElement("Dialog");
        ASSERT_NE(root, nullptr);
        const tinyxml2::XMLElement* background = root->FirstChildElement("Background");
        ASSERT_NE(background, nullptr);
        EXPECT_TRUE(fs::exists(kGameRoot / background->Attribute("file"))) << background->Attribute("file");
        if (const tinyxml2::XMLElement* sound = root->FirstChildElement("Sound")) {
            EXPECT_EQ(effects.count(sound->Attribute("sfx")), 1u) << sound->Attribute("sfx");
        }
        const tinyxml2::XMLElement* characters = root->FirstChildElement("Characters");
        ASSERT_NE(characters, nullptr);
        const std::map<int, Character> library = readLibrary(kGameRoot / characters->Attribute("file"));
        const tinyxml2::XMLElement* sequence = root->FirstChildElement("Sequence");
        ASSERT_NE(sequence, nullptr);
        int steps = 0;
        std::set<int> onStage;
        for (const tinyxml2::XMLElement* step = sequence->FirstChildElement(); step != nullptr;
             step = step->NextSiblingElement()) {
            ++steps;
            const std::string kind = step->Name();
            const int character = step->IntAttribute("character", -1);
            const std::string advance = step->Attribute("continue") != nullptr ? step->Attribute("continue") : "";
            SCOPED_TRACE("step " + std::to_string(steps) + " " + kind);
            EXPECT_TRUE(kind == "Enter" || kind == "Talk" || kind == "Leave");
            EXPECT_EQ(library.count(character), 1u) << "character " << character;
            EXPECT_TRUE(advance == "click" || (advance == "timeout" && step->IntAttribute("timeout", -1) >= 0));
            if (kind == "Enter") {
                EXPECT_TRUE(onStage.insert(character).second) << "enters twice";
            } else if (kind == "Leave") {
                EXPECT_EQ(onStage.erase(character), 1u) << "leaves without having entered";
            } else if (kind == "Talk") {
                EXPECT_EQ(onStage.count(character), 1u) << "talks off stage";
                EXPECT_EQ(advance, "click") << "speech waits for the player";
                const std::string key = step->Attribute("textLabel") != nullptr ? step->Attribute("textLabel") : "";
                ASSERT_TRUE(labels.hasLabel(key)) << key;
                usedLabels.insert(key);
                const std::string text = labels.getLabel(key);
                if (name == "IntroScene_03" || name == "IntroScene_04") {
                    EXPECT_EQ(text.find('%'), std::string::npos) << "the player has no name yet: " << text;
                }
                const std::size_t percent = text.find('%');
                if (percent != std::string::npos) {
                    EXPECT_EQ(text.compare(percent, 2, "%s"), 0) << text;
                    EXPECT_EQ(text.find('%', percent + 1), std::string::npos) << text;
                }
            }
        }
        EXPECT_GE(steps, 6);
        EXPECT_LE(steps, 20);
    }
    // The player is called by name once they have signed the journal.
    int named = 0;
    for (const std::string& key : usedLabels) {
        named += labels.getLabel(key).find("%s") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(named, 10);
}
