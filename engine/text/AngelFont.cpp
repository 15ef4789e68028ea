#include "engine/text/AngelFont.hpp"

#include <tinyxml2.h>

#include <fstream>
#include <iostream>

#include "engine/core/ContentPath.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/render/IntensityAsAlphaImageFilter.hpp"
#include "engine/render/Rect.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"

namespace {

// Grey and palette PNGs are decoded into 8-bit surfaces: such pages hold
// glyph coverage, not colour.
bool isSingleChannelPng(const std::string& path) {
    std::ifstream file(ContentPath::resolve(path), std::ios::binary);
    char header[26] = {};
    if (!file.read(header, sizeof header) || std::string(header, 8) != "\x89PNG\r\n\x1a\n" ||
        std::string(header + 12, 4) != "IHDR") {
        return false;
    }
    const int colourType = static_cast<unsigned char>(header[25]);
    return colourType == 0 || colourType == 3;
}

int intAttribute(const tinyxml2::XMLElement* element, const char* name) {
    return element->IntAttribute(name, 0);
}

Rect sourceOf(const AngelFont::Glyph& glyph) {
    return Rect(static_cast<float>(glyph.x), static_cast<float>(glyph.y), static_cast<float>(glyph.x + glyph.width),
                static_cast<float>(glyph.y + glyph.height));
}

}  // namespace

AngelFont::AngelFont(const std::string& path, TextureFactory* textures)
    : textures_(textures), coverageFilter_(std::make_unique<IntensityAsAlphaImageFilter>()) {
    path_ = path;
    notLoaded_ = true;
    load();
}

AngelFont::~AngelFont() = default;

void AngelFont::load() {
    if (!notLoaded_) {
        return;
    }
    notLoaded_ = false;
    if (!readDescriptor()) {
        glyphs_.clear();
        pages_.clear();
        lineHeight_ = 0;
    }
}

bool AngelFont::readDescriptor() {
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path_).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "font " << path_ << ": cannot read the descriptor: " << document.ErrorStr() << std::endl;
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("font");
    if (root == nullptr) {
        std::cout << "font " << path_ << ": no <font> root element" << std::endl;
        return false;
    }
    if (const tinyxml2::XMLElement* common = root->FirstChildElement("common")) {
        lineHeight_ = intAttribute(common, "lineHeight");
    }

    std::string directory;
    const auto slash = path_.find_last_of('/');
    if (slash != std::string::npos) {
        directory = path_.substr(0, slash + 1);
    }
    if (const tinyxml2::XMLElement* pages = root->FirstChildElement("pages")) {
        for (auto* page = pages->FirstChildElement("page"); page != nullptr; page = page->NextSiblingElement("page")) {
            const char* file = page->Attribute("file");
            pages_.emplace_back(loadPage(directory + (file != nullptr ? file : "")));
        }
    }

    if (const tinyxml2::XMLElement* chars = root->FirstChildElement("chars")) {
        for (auto* c = chars->FirstChildElement("char"); c != nullptr; c = c->NextSiblingElement("char")) {
            Glyph glyph;
            glyph.id = intAttribute(c, "id");
            glyph.x = intAttribute(c, "x");
            glyph.y = intAttribute(c, "y");
            glyph.width = intAttribute(c, "width");
            glyph.height = intAttribute(c, "height");
            glyph.xoffset = intAttribute(c, "xoffset");
            glyph.yoffset = intAttribute(c, "yoffset");
            glyph.xadvance = intAttribute(c, "xadvance");
            glyph.page = intAttribute(c, "page");
            glyphs_[static_cast<std::uint16_t>(glyph.id)] = glyph;
        }
    }

    if (const tinyxml2::XMLElement* kernings = root->FirstChildElement("kernings")) {
        for (auto* k = kernings->FirstChildElement("kerning"); k != nullptr;
             k = k->NextSiblingElement("kerning")) {
            const int second = intAttribute(k, "second");
            auto first = glyphs_.find(static_cast<std::uint16_t>(intAttribute(k, "first")));
            // Only a following byte (0..255) can be kerned against.
            if (first != glyphs_.end() && second >= 0 && second < 256) {
                first->second.kerning[second] = static_cast<std::int16_t>(intAttribute(k, "amount"));
            }
        }
    }
    return true;
}

Texture* AngelFont::loadPage(const std::string& file) {
    std::unique_ptr<Texture> page;
    if (textures_ != nullptr) {
        ImageFilter* filter = isSingleChannelPng(file) ? coverageFilter_.get() : nullptr;
        page.reset(textures_->load(file, filter, Texture::KeepImage));
    }
    if (page == nullptr || page->getWidth() == 0) {
        std::cout << "font " << path_ << ": cannot read the page image " << file << std::endl;
        return nullptr;
    }
    return page.release();
}

const AngelFont::Glyph* AngelFont::findGlyph(int code) const {
    const auto it = glyphs_.find(static_cast<std::uint16_t>(code));
    if (it == glyphs_.end() || it->second.id != code) {
        return nullptr;
    }
    return &it->second;
}

Texture* AngelFont::getPage(int index) const {
    return index >= 0 && index < getPageCount() ? pages_[index].get() : nullptr;
}

// Blank glyphs (the space) have nothing to draw.
Texture* AngelFont::pageOf(const Glyph& glyph) const {
    return glyph.width > 0 && glyph.height > 0 ? getPage(glyph.page) : nullptr;
}

// Line breaks only cancel kerning here: the width of a text with line feeds is
// the sum over all its lines, as the box layout measures one line at a time.
int AngelFont::textWidth(const std::string& text) const {
    int width = 0;
    const Glyph* previous = nullptr;
    for (const char byte : text) {
        const int code = static_cast<unsigned char>(byte);
        const Glyph* glyph = (code == '\r' || code == '\n') ? nullptr : findGlyph(code);
        if (glyph != nullptr) {
            width += glyph->xadvance - glyph->xoffset + (previous != nullptr ? previous->kerning[code] : 0);
        }
        previous = glyph;
    }
    return width;
}

void AngelFont::layout(const std::string& text, const GlyphVisitor& visit) const {
    int penX = 0;
    int penY = 0;
    const Glyph* previous = nullptr;
    for (const char byte : text) {
        const int code = static_cast<unsigned char>(byte);
        if (code == '\r') {
            previous = nullptr;
            continue;
        }
        if (code == '\n') {
            previous = nullptr;
            penX = 0;
            penY += lineHeight_;
            continue;
        }
        const Glyph* glyph = findGlyph(code);
        if (glyph == nullptr) {
            previous = nullptr;
            continue;
        }
        if (previous != nullptr) {
            penX += previous->kerning[code];
        }
        visit(*glyph, penX, penY);
        penX += glyph->xadvance - glyph->xoffset;
        previous = glyph;
    }
}

void AngelFont::drawTextLine(ImageGraphics* target, int x, int y, const std::string& text, bool useGlyphAlpha) {
    layout(text, [&](const Glyph& glyph, int penX, int penY) {
        Texture* page = pageOf(glyph);
        if (page != nullptr && page->getImage() != nullptr) {
            target->drawImage(x + penX, y + penY + glyph.yoffset, page->getImage(), sourceOf(glyph), useGlyphAlpha);
        }
    });
}

void AngelFont::drawTextLine(Graphics* target, int x, int y, const std::string& text, const Color& color) {
    target->setBlending(true);
    layout(text, [&](const Glyph& glyph, int penX, int penY) {
        if (Texture* page = pageOf(glyph)) {
            target->drawImage(x + penX, y + penY + glyph.yoffset, page, sourceOf(glyph), color);
        }
    });
}

void AngelFont::restorePages() {
    for (auto& page : pages_) {
        if (page) {
            page->restore();
        }
    }
}

void AngelFont::releasePages() {
    for (auto& page : pages_) {
        if (page) {
            page->release();
        }
    }
}
