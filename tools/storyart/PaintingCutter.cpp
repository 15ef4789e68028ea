#include "tools/storyart/PaintingCutter.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/storyart/JigsawCut.hpp"
#include "tools/storyart/SvgPicture.hpp"

namespace {

constexpr const char* PieceFolder = "images/LumoraPieces/";
constexpr int FrameWidth = 26;

std::string pieceName(int piece) {
    char name[32];
    std::snprintf(name, sizeof(name), "Piece%02d.png", piece + 1);
    return name;
}

// The whole painting at a scale, drawn once so that every piece is cut from
// the same picture (clipping the drawing itself would soften the pieces'
// edges once per shape of the picture and make neighbours overlap).
SvgPicture::Surface renderWhole(const SvgPicture& painting, double scale) {
    SvgPicture::Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                                           static_cast<int>(std::ceil(painting.width() * scale)),
                                                           static_cast<int>(std::ceil(painting.height() * scale))));
    const SvgPicture::Context cr(cairo_create(surface.get()));
    cairo_scale(cr.get(), scale, scale);
    if (!painting.render(cr.get())) {
        surface.reset();
    }
    return surface;
}

// Piece n cut from the whole painting drawn at the given scale, with a thin
// shadow line inside its edge so it reads as a cut piece.
bool drawPiece(cairo_surface_t* whole, const JigsawCut& cut, int piece, double scale, const std::string& path) {
    const JigsawCut::Box box = cut.bounds(piece);
    const int width = static_cast<int>(std::ceil(box.width * scale));
    const int height = static_cast<int>(std::ceil(box.height * scale));
    const SvgPicture::Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    const SvgPicture::Context cr(cairo_create(surface.get()));
    cairo_set_source_surface(cr.get(), whole, -box.x * scale, -box.y * scale);
    cairo_scale(cr.get(), scale, scale);
    cairo_translate(cr.get(), -box.x, -box.y);
    cut.addOutline(cr.get(), piece);
    cairo_fill_preserve(cr.get());
    // Drawn atop the piece, the line darkens its edge and adds no coverage.
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr.get(), 0.12, 0.08, 0.04, 0.45);
    cairo_set_line_width(cr.get(), 1.6);
    cairo_stroke(cr.get());
    return SvgPicture::write(surface.get(), path);
}

// The gilt frame round the canvas: a dark outer lip, a warm gold face and a
// light inner bevel.
void drawFrame(cairo_t* cr, double x, double y, double width, double height) {
    const double outer = FrameWidth;
    cairo_rectangle(cr, x - outer, y - outer, width + 2 * outer, height + 2 * outer);
    cairo_rectangle(cr, x, y, width, height);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* gold = cairo_pattern_create_linear(x - outer, y - outer, x + width + outer, y + height + outer);
    cairo_pattern_add_color_stop_rgb(gold, 0.0, 0.93, 0.78, 0.42);
    cairo_pattern_add_color_stop_rgb(gold, 0.35, 0.62, 0.43, 0.16);
    cairo_pattern_add_color_stop_rgb(gold, 0.6, 0.86, 0.68, 0.32);
    cairo_pattern_add_color_stop_rgb(gold, 1.0, 0.45, 0.29, 0.10);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgba(cr, 0.22, 0.13, 0.05, 0.9);
    cairo_rectangle(cr, x - outer + 1.5, y - outer + 1.5, width + 2 * outer - 3, height + 2 * outer - 3);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 1.0, 0.93, 0.7, 0.75);
    cairo_rectangle(cr, x - 7, y - 7, width + 14, height + 14);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0.25, 0.15, 0.05, 0.85);
    cairo_rectangle(cr, x - 1, y - 1, width + 2, height + 2);
    cairo_stroke(cr);
}

// The room with the empty frame: a dark linen canvas showing where each
// piece belongs.
bool drawEmptyCanvas(const SvgPicture& room, const JigsawCut& cut, int x, int y, int width, int height,
                     const std::string& path) {
    const SvgPicture::Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, PaintingCutter::ScreenWidth,
                                                     PaintingCutter::ScreenHeight));
    const SvgPicture::Context cr(cairo_create(surface.get()));
    cairo_save(cr.get());
    cairo_scale(cr.get(), static_cast<double>(PaintingCutter::ScreenWidth) / room.width(),
                static_cast<double>(PaintingCutter::ScreenHeight) / room.height());
    if (!room.render(cr.get())) {
        return false;
    }
    cairo_restore(cr.get());
    cairo_pattern_t* linen = cairo_pattern_create_radial(x + width * 0.5, y + height * 0.45, 10, x + width * 0.5,
                                                         y + height * 0.5, width * 0.65);
    cairo_pattern_add_color_stop_rgb(linen, 0, 0.36, 0.30, 0.23);
    cairo_pattern_add_color_stop_rgb(linen, 1, 0.17, 0.13, 0.10);
    cairo_rectangle(cr.get(), x, y, width, height);
    cairo_set_source(cr.get(), linen);
    cairo_fill(cr.get());
    cairo_pattern_destroy(linen);
    cairo_translate(cr.get(), x, y);
    cairo_set_line_width(cr.get(), 1.2);
    cairo_set_source_rgba(cr.get(), 0.78, 0.66, 0.46, 0.35);
    for (int piece = 0; piece < cut.count(); ++piece) {
        cut.addOutline(cr.get(), piece);
        cairo_stroke(cr.get());
    }
    cairo_identity_matrix(cr.get());
    drawFrame(cr.get(), x, y, width, height);
    return SvgPicture::write(surface.get(), path);
}

}  // namespace

bool PaintingCutter::cut(const std::string& paintingPath, const std::string& roomPath,
                         const std::string& contentFolder) {
    SvgPicture painting;
    SvgPicture room;
    if (!painting.open(paintingPath) || !room.open(roomPath)) {
        return false;
    }
    if (painting.width() + 2 * FrameWidth > ScreenWidth || CanvasTop + painting.height() + FrameWidth > ScreenHeight) {
        return SvgPicture::fail(paintingPath, "the painting does not fit on the screen inside its frame");
    }
    const std::string folder = contentFolder + "/" + PieceFolder;
    std::error_code error;
    std::filesystem::create_directories(folder + "Big", error);
    if (error) {
        return SvgPicture::fail(folder, error.message());
    }
    const JigsawCut cut(painting.width(), painting.height(), Columns, Rows, CutSeed);
    const SvgPicture::Surface whole = renderWhole(painting, 1.0);
    const SvgPicture::Surface wholeBig = renderWhole(painting, BigScale);
    if (!whole || !wholeBig) {
        return false;
    }
    const int left = (ScreenWidth - painting.width()) / 2;
    std::ofstream xml(folder + "Pieces.xml");
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- Written by piececut from the painting's SVG: each piece's image and the\n"
        << "     screen position of its top-left corner when laid in the frame. -->\n"
        << "<Scene path=\"content/" << PieceFolder << "\" bigPiecesPath=\"content/" << PieceFolder << "Big/\">\n";
    for (int piece = 0; piece < cut.count(); ++piece) {
        const std::string name = pieceName(piece);
        if (!drawPiece(whole.get(), cut, piece, 1.0, folder + name) ||
            !drawPiece(wholeBig.get(), cut, piece, BigScale, folder + "Big/" + name)) {
            return false;
        }
        const JigsawCut::Box box = cut.bounds(piece);
        xml << "  <Item image=\"" << name << "\" id=\"" << piece << "\" x=\"" << left + box.x << "\" y=\""
            << CanvasTop + box.y << "\"/>\n";
    }
    xml << "</Scene>\n";
    xml.close();
    if (!xml) {
        return SvgPicture::fail(folder + "Pieces.xml", "cannot write");
    }
    return drawEmptyCanvas(room, cut, left, CanvasTop, painting.width(), painting.height(),
                           folder + "LumoraBGEmpty.png");
}
