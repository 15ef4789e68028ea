#include "game/content/FontCheck.hpp"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "engine/render/CpuTextureFactory.hpp"
#include "engine/text/AngelFont.hpp"

void FontCheck::run() {
    std::vector<std::string> fonts;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(files_.path("content/fonts"), error)) {
        if (entry.path().extension() == ".fnt") {
            fonts.push_back("content/fonts/" + entry.path().filename().string());
        }
    }
    std::sort(fonts.begin(), fonts.end());
    for (const std::string& font : fonts) {
        checkFont(font);
    }
}

void FontCheck::checkFont(const std::string& contentPath) {
    CpuTextureFactory textures;
    const AngelFont font(contentPath, &textures);
    std::set<int>& glyphs = glyphs_[contentPath];
    for (int code = 0; code < 256; ++code) {
        if (font.findGlyph(code)) {
            glyphs.insert(code);
        }
    }
}
