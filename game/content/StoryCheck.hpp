#pragma once

#include <set>
#include <string>

class ContentFiles;
class Font;
class LabelCheck;

// Checks the story: every file of the story chain and every dialogue or
// cut-scene entry of the game flow exists and loads without a fault, the
// characters its steps name are in their library, its label keys exist, the
// characters' animations and pictures exist, every spoken text (with a
// 12-letter player name) fits its speaker's text box in the dialogue font and
// every name its name box; the credits load and each line fits right of
// StartX. A content folder without a story folder has no story yet: its
// chain is not asked for (the game passes over the missing files).
class StoryCheck {
public:
    // The placeholder of the player's name when texts are measured.
    static constexpr const char* LongestName = "WWWWWWWWWWWW";

    // Without fonts, the dialogue and credits fonts of the checked folder are read.
    StoryCheck(const ContentFiles& files, LabelCheck& labels, Font* dialogueFont = nullptr,
               Font* creditsFont = nullptr);
    ~StoryCheck();

    void run();

private:
    void checkDialogue(const std::string& path);
    void checkCutscene(const std::string& path);
    void checkAnimation(const std::string& path);
    void checkCredits();
    void checkFits(const std::string& file, int line, const std::string& key, const std::string& text,
                   const struct IntRect& box, bool wrap);
    Font* font(Font* given, const std::string& path);

    const ContentFiles& files_;
    LabelCheck& labels_;
    Font* dialogueFont_;
    Font* creditsFont_;
    std::set<std::string> checked_;
};
