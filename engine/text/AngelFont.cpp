#include "engine/text/AngelFont.hpp"

#include <fstream>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlFile.hpp"
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
    const XmlFile file(path_, "font");
    const tinyxml2::XMLElement* root = file.root();
    if (root == nullptr) {
        return false;
    }
    const tinyxml2::XMLElement* common = root->FirstChildElement("common");
    lineHeight_ = common ? XmlFile::number(common, "lineHeight") : 0;
    if (lineHeight_ <= 0) {
        file.warn(common ? common : root, "the font needs a common element with a positive lineHeight");
    }

    std::string directory;
    const auto slash = path_.find_last_of('/');
    if (slash != std::string::npos) {
        directory = path_.substr(0, slash + 1);
    }
    if (const tinyxml2::XMLElement* pages = root->FirstChildElement("pages")) {
        for (auto* page = pages->FirstChildElement("page"); page != nullptr; page = page->NextSiblingElement("page")) {
            if (!page->Attribute("file")) {
                file.warn(page, "a page needs a file");
            }
            const std::string image = directory + XmlFile::text(page, "file");
            pages_.emplace_back(loadPage(image));
            if (!pages_.back() && file.needsFile(page, image, "the page image")) {
                file.warn(page, "the page image \"" + image + "\" cannot be read");
            }
        }
    }

    if (const tinyxml2::XMLElement* chars = root->FirstChildElement("chars")) {
        for (auto* c = chars->FirstChildElement("char"); c != nullptr; c = c->NextSiblingElement("char")) {
            Glyph glyph;
            glyph.id = XmlFile::number(c, "id");
            glyph.x = XmlFile::number(c, "x");
            glyph.y = XmlFile::number(c, "y");
            glyph.width = XmlFile::number(c, "width");
            glyph.height = XmlFile::number(c, "height");
            glyph.xoffset = XmlFile::number(c, "xoffset");
            glyph.yoffset = XmlFile::number(c, "yoffset");
            glyph.xadvance = XmlFile::number(c, "xadvance");
            glyph.page = XmlFile::number(c, "page");
            if (glyph.page < 0 || glyph.page >= getPageCount()) {
                file.warn(c, "the glyph " + std::to_string(glyph.id) + " lies on a page that does not exist");
            }
            glyphs_[static_cast<std::uint16_t>(glyph.id)] = glyph;
        }
    }

    if (const tinyxml2::XMLElement* kernings = root->FirstChildElement("kernings")) {
        for (auto* k = kernings->FirstChildElement("kerning"); k != nullptr;
             k = k->NextSiblingElement("kerning")) {
            const int second = XmlFile::number(k, "second");
            auto first = glyphs_.find(static_cast<std::uint16_t>(XmlFile::number(k, "first")));
            // Only a following byte (0..255) can be kerned against.
            if (first != glyphs_.end() && second >= 0 && second < 256) {
                first->second.kerning[second] = static_cast<std::int16_t>(XmlFile::number(k, "amount"));
            }
        }
    }
    if (glyphs_.empty()) {
        file.warn(root, "the font has no glyphs");
    }
    return true;
}

Texture* AngelFont::loadPage(const std::string& file) {
    std::unique_ptr<Texture> page;
    if (textures_ != nullptr) {
        ImageFilter* filter = isSingleChannelPng(file) ? coverageFilter_.get() : nullptr;
        page.reset(textures_->load(file, filter, Texture::KeepImage));
    }
    return page != nullptr && page->getWidth() > 0 ? page.release() : nullptr;
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
