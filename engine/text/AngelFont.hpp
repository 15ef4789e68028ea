#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/text/Font.hpp"

class ImageFilter;
class Texture;
class TextureFactory;

// A bitmap font read from an XML descriptor (.fnt) with one or more page
// images. The font owns its page textures; the factory is not owned and is
// only used while the descriptor is read. A descriptor that cannot be read
// leaves the font without glyphs: it then draws nothing and measures 0.
class AngelFont : public Font {
public:
    struct Glyph {
        std::int32_t id = -1;
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::int32_t xoffset = 0;
        std::int32_t yoffset = 0;
        std::int32_t page = 0;
        std::int32_t xadvance = 0;
        // Amount added before the following character, indexed by its code.
        std::array<std::int16_t, 256> kerning{};
    };

    // Reads the descriptor at once; page textures come from the factory.
    AngelFont(const std::string& path, TextureFactory* textures);
    ~AngelFont() override;

    // Parses the descriptor when it has not been read yet.
    void load() override;

    int textWidth(const std::string& text) const override;
    int getLineHeight() const override { return lineHeight_; }
    bool hasGlyph(int code) const override { return findGlyph(code) != nullptr; }
    using Font::drawTextInBox;
    void drawTextLine(ImageGraphics* target, int x, int y, const std::string& text, bool useGlyphAlpha) override;
    void drawTextLine(Graphics* target, int x, int y, const std::string& text, const Color& color) override;
    void restorePages() override;
    void releasePages() override;

    // The glyph of a character code, or null when the font has none.
    const Glyph* findGlyph(int code) const;
    int getPageCount() const { return static_cast<int>(pages_.size()); }
    // A page texture; null for a page whose image could not be read.
    Texture* getPage(int index) const;

private:
    using GlyphVisitor = std::function<void(const Glyph& glyph, int penX, int penY)>;
    bool readDescriptor();
    void layout(const std::string& text, const GlyphVisitor& visit) const;
    Texture* pageOf(const Glyph& glyph) const;

    // The page's texture, or null when it cannot be read.
    Texture* loadPage(const std::string& file);

    TextureFactory* textures_;
    // Turns single-channel pages (grey coverage) into white glyphs with alpha.
    std::unique_ptr<ImageFilter> coverageFilter_;
    int lineHeight_ = 0;
    std::map<std::uint16_t, Glyph> glyphs_;
    std::vector<std::unique_ptr<Texture>> pages_;
};
