#include <gtest/gtest.h>

#include "tools/scenecompose/ContactSheet.hpp"

namespace {

SurfacePtr filled(int width, int height, double red, double green, double blue) {
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* cr = cairo_create(surface.get());
    cairo_set_source_rgb(cr, red, green, blue);
    cairo_paint(cr);
    cairo_destroy(cr);
    return surface;
}

// The colour at (x, y) of a board as 0xRRGGBB.
unsigned colourAt(const Picture& board, int x, int y) {
    cairo_surface_flush(board.surface.get());
    const unsigned char* data = cairo_image_surface_get_data(board.surface.get());
    const int stride = cairo_image_surface_get_stride(board.surface.get());
    return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4) & 0xffffffu;
}

}  // namespace

TEST(ContactSheet, LaysTilesOutInRowsScaledToTheTileWidth) {
    ContactSheet sheet(2, 50);
    EXPECT_TRUE(sheet.add(filled(100, 50, 1, 0, 0), "red"));
    EXPECT_TRUE(sheet.add(filled(100, 50, 0, 1, 0), "green"));
    EXPECT_TRUE(sheet.add(filled(60, 30, 0, 0, 1), "blue"));
    EXPECT_FALSE(sheet.add(SurfacePtr(), "nothing"));

    const Picture board = sheet.board();
    ASSERT_TRUE(board.surface);
    // Two columns of 50-pixel tiles, two rows of 25-pixel pictures with captions.
    const int cellWidth = 50 + ContactSheet::Gap;
    const int cellHeight = 25 + ContactSheet::CaptionHeight + ContactSheet::Gap;
    EXPECT_EQ(board.width(), 2 * cellWidth + ContactSheet::Gap);
    EXPECT_EQ(board.height(), 2 * cellHeight + ContactSheet::Gap);

    const int x0 = ContactSheet::Gap + 25;
    const int y0 = ContactSheet::Gap + 12;
    EXPECT_EQ(colourAt(board, x0, y0), 0xff0000u);
    EXPECT_EQ(colourAt(board, x0 + cellWidth, y0), 0x00ff00u);
    EXPECT_EQ(colourAt(board, x0, y0 + cellHeight), 0x0000ffu);
    // The fourth cell stays the dark board.
    const unsigned empty = colourAt(board, x0 + cellWidth, y0 + cellHeight);
    EXPECT_LT(empty >> 16 & 0xff, 0x30u);
    EXPECT_EQ(empty, colourAt(board, 1, 1));
}

TEST(ContactSheet, AnEmptySheetHasNoBoard) {
    EXPECT_FALSE(ContactSheet(4, 100).board().surface);
}
