#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/text/AngelFont.hpp"
#include "engine/text/LabelManager.hpp"
#include "support/FakeTextureFactory.hpp"

namespace {

namespace fs = std::filesystem;

std::vector<std::unique_ptr<AngelFont>> shippedFonts(TextureFactory* pages) {
    std::vector<std::unique_ptr<AngelFont>> fonts;
    std::ifstream list(std::string(CHRONA_TEST_DATA_DIR) + "/../../assets/fonts/fonts.txt");
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line[0] != '#') {
            const std::string name = line.substr(0, line.find_first_of(" \t"));
            const std::string path = std::string(CHRONA_CONTENT_DIR) + "/fonts/" + name + ".fnt";
            fonts.push_back(std::make_unique<AngelFont>(path, pages));
        }
    }
    return fonts;
}

}  // namespace

// Every baked language has the labels the engine and menus ask for, and every
// character of every label has a glyph in every shipped font.
TEST(ShippedLabels, EveryLanguageHasTheEngineKeysAndEveryFontDrawsThem) {
    FakeTextureFactory pages;
    const auto fonts = shippedFonts(&pages);
    ASSERT_GE(fonts.size(), 13u);
    const std::vector<std::string> keys = {
        "OK", "YES", "NO", "RESET", "SKIP", "NOTIFICATION_DIALOG_CAPTION", "PLAY", "CONTINUE_GAME", "OPTIONS",
        "CHANGE_PROFILE", "EXIT_GAME", "WELCOME", "MESSAGE_QUIT", "MENU_CAPTION", "RESUME", "MAIN_MENU",
        "LOSE_PROGRESS_CAPTION", "LOSE_PROGRESS_MESSAGE", "SOUND", "MUSIC", "CUSTOM_CURSOR", "FULL_SCREEN",
        "VERSION", "CREDITS"};

    int languages = 0;
    for (const auto& entry : fs::directory_iterator(std::string(CHRONA_CONTENT_DIR) + "/config/labels")) {
        LabelManager labels;
        labels.load(entry.path().string());
        for (const std::string& key : keys) {
            EXPECT_TRUE(labels.hasLabel(key)) << entry.path() << " lacks " << key;
        }
        for (const auto& [key, text] : labels.getLabels()) {
            for (const char c : text) {
                const int code = static_cast<unsigned char>(c);
                if (code == '\n') {
                    continue;
                }
                for (const auto& font : fonts) {
                    EXPECT_NE(font->findGlyph(code), nullptr)
                        << font->getPath() << " cannot draw byte " << code << " of " << key << " in " << entry.path();
                }
            }
        }
        ++languages;
    }
    EXPECT_GE(languages, 1);
}
