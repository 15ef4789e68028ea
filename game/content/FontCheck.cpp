#include "game/content/FontCheck.hpp"

#include <algorithm>
#include <filesystem>
#include <vector>

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
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, contentPath)) {
        return;
    }
    const std::string file = files_.path(contentPath);
    const tinyxml2::XMLElement* font = document.FirstChildElement("font");
    if (!font) {
        files_.report().add(file, 1, "a font descriptor needs the root element font");
        return;
    }
    const tinyxml2::XMLElement* common = font->FirstChildElement("common");
    if (!common || common->IntAttribute("lineHeight") <= 0) {
        files_.report().add(file, common ? common->GetLineNum() : font->GetLineNum(),
                            "the font needs a common element with a positive lineHeight");
    }
    const std::string folder = contentPath.substr(0, contentPath.rfind('/') + 1);
    const tinyxml2::XMLElement* pages = font->FirstChildElement("pages");
    int pageCount = 0;
    for (const tinyxml2::XMLElement* page = pages ? pages->FirstChildElement("page") : nullptr; page;
         page = page->NextSiblingElement("page")) {
        ++pageCount;
        const char* name = page->Attribute("file");
        if (!name) {
            files_.report().add(file, page->GetLineNum(), "a page needs a file");
        } else {
            files_.require(folder + name, contentPath, page->GetLineNum(), "the page image");
        }
    }
    std::set<int>& glyphs = glyphs_[contentPath];
    const tinyxml2::XMLElement* chars = font->FirstChildElement("chars");
    for (const tinyxml2::XMLElement* c = chars ? chars->FirstChildElement("char") : nullptr; c;
         c = c->NextSiblingElement("char")) {
        const int page = c->IntAttribute("page");
        if (page < 0 || page >= pageCount) {
            files_.report().add(file, c->GetLineNum(),
                                "the glyph " + std::to_string(c->IntAttribute("id")) + " lies on a page that does not exist");
        }
        glyphs.insert(c->IntAttribute("id", -1));
    }
    if (glyphs.empty()) {
        files_.report().add(file, font->GetLineNum(), "the font has no glyphs");
    }
}
