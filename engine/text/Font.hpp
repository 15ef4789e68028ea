#pragma once

#include <functional>
#include <string>

#include "engine/render/Color.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/core/DeferableResource.hpp"
#include "engine/core/ReferenceCountable.hpp"

class Graphics;
class ImageGraphics;

// A bitmap font over single-byte text (Windows-1252): a byte is a glyph id.
// Its page textures live in the OpenGL context and follow the release/restore
// of the resource manager that owns the font. Box layout and line breaking are
// done here on top of the measuring and line drawing of the concrete font.
class Font : public ReferenceCountable, public DeferableResource {
public:
    // Horizontal alignments of drawTextInBox; any other value is left.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignRight = 1;
    static constexpr int kAlignCenter = 2;
    // Vertical alignments of drawTextInBox; any other value is top.
    static constexpr int kAlignTop = 0;
    static constexpr int kAlignMiddle = 2;
    static constexpr int kAlignBottom = 4;

    ~Font() override = default;

    virtual int textWidth(const std::string& text) const = 0;
    virtual int getLineHeight() const = 0;
    // Whether the font can draw the character (a Windows-1252 byte).
    virtual bool hasGlyph(int /*code*/) const { return true; }

    // The image form copies the glyph pictures into a CPU image; it cannot
    // tint, and useGlyphAlpha chooses whether the glyphs' alpha is kept.
    virtual void drawTextInBox(ImageGraphics* target, const IntRect& box, const std::string& text, int hAlign,
                               int vAlign, bool wrap, bool useGlyphAlpha);
    virtual void drawTextLine(ImageGraphics* target, int x, int y, const std::string& text,
                              bool useGlyphAlpha) = 0;
    virtual void drawTextInBox(Graphics* target, const IntRect& box, const std::string& text, const Color& color,
                               int hAlign, int vAlign, bool wrap);
    virtual void drawTextLine(Graphics* target, int x, int y, const std::string& text, const Color& color) = 0;

    virtual void restorePages() = 0;
    virtual void releasePages() = 0;

    // Greedy breaking at single spaces; each paragraph (text between line
    // feeds) is wrapped on its own. The lines are joined by "\n".
    virtual void wrapWords(const std::string& text, std::string& out, int width) const;
    // Breaking at the last space or tab before the width is reached, keeping
    // the line feeds of the text.
    virtual void wrapText(const std::string& text, std::string& out, int width) const;

private:
    using LineDrawer = std::function<void(int x, int y, const std::string& line)>;
    void layoutBox(const IntRect& box, const std::string& text, int hAlign, int vAlign, bool wrap,
                   const LineDrawer& drawLine) const;
    std::string wrapParagraph(const std::string& paragraph, int width) const;
};
