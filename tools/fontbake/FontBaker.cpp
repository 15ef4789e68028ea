#include "tools/fontbake/FontBaker.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>
#include <png.h>
#include <tinyxml2.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "engine/text/Windows1252.hpp"
#include "tools/fontbake/GlyphBitmap.hpp"
#include "tools/fontbake/PagePacker.hpp"

namespace {

constexpr int kPageGap = 2;
constexpr int kMaxPageSide = 1024;

// Outline thickness, and glow radius beyond it, of an outlined font.
int outlineOf(const FontBaker::Options& options) {
    return options.outlined ? std::max(1, options.pixelSize / 9) : 0;
}

struct BakedGlyph {
    int byte = 0;
    hb_codepoint_t glyphIndex = 0;
    hb_position_t shapedAdvance = 0;  // 26.6, for kerning differences
    int advance = 0;                  // pixels
    GlyphBitmap bitmap;
};

struct Kerning {
    int first;
    int second;
    int amount;
};

// Owns the FreeType library, face, and the HarfBuzz font and buffer over it.
class Shaper {
public:
    ~Shaper() {
        if (buffer_ != nullptr) {
            hb_buffer_destroy(buffer_);
        }
        if (font_ != nullptr) {
            hb_font_destroy(font_);
        }
        if (face_ != nullptr) {
            FT_Done_Face(face_);
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
    }

    bool open(const FontBaker::Options& options, std::string& error) {
        if (FT_Init_FreeType(&library_) != 0) {
            error = "cannot start FreeType";
            return false;
        }
        if (FT_New_Face(library_, options.facePath.c_str(), 0, &face_) != 0) {
            face_ = nullptr;
            error = "cannot open the face " + options.facePath;
            return false;
        }
        if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(options.pixelSize)) != 0) {
            error = "the face " + options.facePath + " has no size " + std::to_string(options.pixelSize);
            return false;
        }
        font_ = hb_ft_font_create_referenced(face_);
        buffer_ = hb_buffer_create();
        // Ligatures would swallow pairs; kerning is measured between single glyphs.
        features_.resize(3);
        hb_feature_from_string("liga=0", -1, &features_[0]);
        hb_feature_from_string("clig=0", -1, &features_[1]);
        hb_feature_from_string("kern=1", -1, &features_[2]);
        if (options.smallCaps) {
            features_.emplace_back();
            hb_feature_from_string("smcp=1", -1, &features_.back());
        }
        return true;
    }

    // Shapes the code points; returns the glyph infos and positions.
    unsigned shape(const std::vector<std::uint32_t>& codePoints, hb_glyph_info_t*& infos,
                   hb_glyph_position_t*& positions) {
        hb_buffer_clear_contents(buffer_);
        hb_buffer_add_utf32(buffer_, codePoints.data(), static_cast<int>(codePoints.size()), 0,
                            static_cast<int>(codePoints.size()));
        hb_buffer_set_direction(buffer_, HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer_, HB_SCRIPT_LATIN);
        hb_buffer_set_language(buffer_, hb_language_from_string("en", -1));
        hb_shape(font_, buffer_, features_.data(), static_cast<unsigned>(features_.size()));
        unsigned count = 0;
        infos = hb_buffer_get_glyph_infos(buffer_, &count);
        positions = hb_buffer_get_glyph_positions(buffer_, &count);
        return count;
    }

    FT_Face face() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    hb_font_t* font_ = nullptr;
    hb_buffer_t* buffer_ = nullptr;
    std::vector<hb_feature_t> features_;
};

bool renderGlyph(FT_Face face, BakedGlyph& glyph) {
    if (FT_Load_Glyph(face, glyph.glyphIndex, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_LIGHT) != 0) {
        return false;
    }
    const FT_Bitmap& source = face->glyph->bitmap;
    GlyphBitmap& bitmap = glyph.bitmap;
    bitmap.width = static_cast<int>(source.width);
    bitmap.height = static_cast<int>(source.rows);
    bitmap.left = face->glyph->bitmap_left;
    bitmap.top = face->glyph->bitmap_top;
    bitmap.coverage.assign(static_cast<std::size_t>(bitmap.width) * bitmap.height, 0);
    for (int y = 0; y < bitmap.height; ++y) {
        const unsigned char* row = source.buffer + static_cast<std::ptrdiff_t>(y) * source.pitch;
        std::copy(row, row + bitmap.width, bitmap.coverage.begin() + static_cast<std::ptrdiff_t>(y) * bitmap.width);
    }
    glyph.advance = static_cast<int>(std::lround(face->glyph->advance.x / 64.0));
    return true;
}

std::vector<BakedGlyph> collectGlyphs(Shaper& shaper, const FontBaker::Options& options, std::string& error) {
    std::vector<BakedGlyph> glyphs;
    const int outline = outlineOf(options);
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char32_t codePoint = Windows1252::toUnicode(static_cast<unsigned char>(byte));
        if (codePoint == 0 || byte == 0x7F) {
            continue;
        }
        hb_glyph_info_t* infos = nullptr;
        hb_glyph_position_t* positions = nullptr;
        if (shaper.shape({static_cast<std::uint32_t>(codePoint)}, infos, positions) != 1 || infos[0].codepoint == 0) {
            continue;
        }
        BakedGlyph glyph;
        glyph.byte = byte;
        glyph.glyphIndex = infos[0].codepoint;
        glyph.shapedAdvance = positions[0].x_advance;
        if (!renderGlyph(shaper.face(), glyph)) {
            error = "cannot render the glyph of byte " + std::to_string(byte);
            return {};
        }
        if (options.outlined && glyph.bitmap.width > 0 && glyph.bitmap.height > 0) {
            glyph.bitmap.addOutlineAndGlow(outline, outline);
        }
        // Outlined letters need room so that an outline does not cover its neighbour.
        glyph.advance += outline;
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

std::vector<Kerning> collectKerning(Shaper& shaper, const std::vector<BakedGlyph>& glyphs) {
    std::vector<Kerning> pairs;
    for (const BakedGlyph& first : glyphs) {
        for (const BakedGlyph& second : glyphs) {
            hb_glyph_info_t* infos = nullptr;
            hb_glyph_position_t* positions = nullptr;
            const std::uint32_t a = Windows1252::toUnicode(static_cast<unsigned char>(first.byte));
            const std::uint32_t b = Windows1252::toUnicode(static_cast<unsigned char>(second.byte));
            if (shaper.shape({a, b}, infos, positions) != 2 || infos[0].codepoint != first.glyphIndex ||
                infos[1].codepoint != second.glyphIndex) {
                continue;
            }
            const int amount = static_cast<int>(std::lround((positions[0].x_advance - first.shapedAdvance) / 64.0));
            if (amount != 0) {
                pairs.push_back({first.byte, second.byte, amount});
            }
        }
    }
    return pairs;
}

bool writePng(const std::string& path, int width, int height, bool rgba, const std::vector<std::uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = rgba ? PNG_FORMAT_RGBA : PNG_FORMAT_GRAY;
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withoutExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    return (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? path.substr(0, dot) : path;
}

}  // namespace

bool FontBaker::bake(const Options& options, const std::string& outputPath, std::string& error) {
    Shaper shaper;
    if (!shaper.open(options, error)) {
        return false;
    }
    std::vector<BakedGlyph> glyphs = collectGlyphs(shaper, options, error);
    if (glyphs.empty()) {
        if (error.empty()) {
            error = "the face " + options.facePath + " has none of the Windows-1252 characters";
        }
        return false;
    }
    const std::vector<Kerning> kerning = collectKerning(shaper, glyphs);

    // The game draws a glyph's cell at the pen and ignores xoffset, so cells
    // start a fixed distance left of the glyph origin: the largest overhang of
    // a letter or digit. A rarer glyph that reaches further left (a swash j, a
    // florin) starts its cell at its ink and sits a pixel or two to the right.
    int leftPad = 0;
    int ascent = static_cast<int>(std::ceil(shaper.face()->size->metrics.ascender / 64.0));
    int descent = static_cast<int>(std::ceil(-shaper.face()->size->metrics.descender / 64.0));
    for (const BakedGlyph& glyph : glyphs) {
        if (glyph.bitmap.width == 0) {
            continue;
        }
        if (std::isalnum(glyph.byte) != 0 && glyph.byte < 0x7F) {
            leftPad = std::max(leftPad, -glyph.bitmap.left);
        }
        // Accents above capitals may reach over the line; ASCII sets the top.
        if (glyph.byte < 0x7F) {
            ascent = std::max(ascent, glyph.bitmap.top);
        }
        descent = std::max(descent, glyph.bitmap.height - glyph.bitmap.top);
    }

    // The soft glow may spill into the lines above and below; only the solid
    // outline takes line space.
    ascent -= outlineOf(options);
    descent -= outlineOf(options);

    std::vector<PagePacker::Cell> cells(glyphs.size());
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& bitmap = glyphs[i].bitmap;
        if (bitmap.width > 0) {
            cells[i].width = std::max(0, leftPad + bitmap.left) + bitmap.width;
            cells[i].height = bitmap.height;
        }
    }
    PagePacker packer(kPageGap, kMaxPageSide);
    if (!packer.pack(cells)) {
        error = "a glyph is larger than a page of " + std::to_string(kMaxPageSide) + " pixels";
        return false;
    }

    const int channels = options.outlined ? 4 : 1;
    const int pageWidth = packer.getPageWidth();
    std::vector<std::vector<std::uint8_t>> pages;
    for (const int height : packer.getPageHeights()) {
        pages.emplace_back(static_cast<std::size_t>(pageWidth) * height * channels, 0);
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& bitmap = glyphs[i].bitmap;
        const PagePacker::Cell& cell = cells[i];
        const int x0 = cell.x + std::max(0, leftPad + bitmap.left);
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const std::size_t target = (static_cast<std::size_t>(cell.y + y) * pageWidth + x0 + x) * channels;
                const std::size_t source = static_cast<std::size_t>(y) * bitmap.width + x;
                if (options.outlined) {
                    std::copy_n(bitmap.rgba.begin() + static_cast<std::ptrdiff_t>(source * 4), 4,
                                pages[cell.page].begin() + static_cast<std::ptrdiff_t>(target));
                } else {
                    pages[cell.page][target] = bitmap.coverage[source];
                }
            }
        }
    }

    const std::string stem = withoutExtension(outputPath);
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewDeclaration());
    tinyxml2::XMLElement* root = document.NewElement("font");
    document.InsertEndChild(root);
    tinyxml2::XMLElement* info = root->InsertNewChildElement("info");
    info->SetAttribute("face", fileNameOf(options.facePath).c_str());
    info->SetAttribute("size", options.pixelSize);
    info->SetAttribute("charset", "Windows-1252");
    tinyxml2::XMLElement* common = root->InsertNewChildElement("common");
    common->SetAttribute("lineHeight", ascent + descent);
    common->SetAttribute("base", ascent);
    common->SetAttribute("scaleW", pageWidth);
    common->SetAttribute("scaleH", packer.getPageHeights().front());
    common->SetAttribute("pages", static_cast<int>(pages.size()));
    tinyxml2::XMLElement* pageList = root->InsertNewChildElement("pages");
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::string pagePath = stem + "_" + std::to_string(p) + ".png";
        if (!writePng(pagePath, pageWidth, packer.getPageHeights()[p], options.outlined, pages[p])) {
            error = "cannot write " + pagePath;
            return false;
        }
        tinyxml2::XMLElement* page = pageList->InsertNewChildElement("page");
        page->SetAttribute("id", static_cast<int>(p));
        page->SetAttribute("file", fileNameOf(pagePath).c_str());
    }
    tinyxml2::XMLElement* chars = root->InsertNewChildElement("chars");
    chars->SetAttribute("count", static_cast<int>(glyphs.size()));
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& bitmap = glyphs[i].bitmap;
        tinyxml2::XMLElement* c = chars->InsertNewChildElement("char");
        c->SetAttribute("id", glyphs[i].byte);
        c->SetAttribute("x", cells[i].x);
        c->SetAttribute("y", cells[i].y);
        c->SetAttribute("width", cells[i].width);
        c->SetAttribute("height", cells[i].height);
        c->SetAttribute("xoffset", 0);
        c->SetAttribute("yoffset", bitmap.width > 0 ? ascent - bitmap.top : 0);
        c->SetAttribute("xadvance", glyphs[i].advance);
        c->SetAttribute("page", cells[i].page);
    }
    tinyxml2::XMLElement* kernings = root->InsertNewChildElement("kernings");
    kernings->SetAttribute("count", static_cast<int>(kerning.size()));
    for (const Kerning& pair : kerning) {
        tinyxml2::XMLElement* k = kernings->InsertNewChildElement("kerning");
        k->SetAttribute("first", pair.first);
        k->SetAttribute("second", pair.second);
        k->SetAttribute("amount", pair.amount);
    }
    if (document.SaveFile(outputPath.c_str()) != tinyxml2::XML_SUCCESS) {
        error = "cannot write " + outputPath;
        return false;
    }
    return true;
}
