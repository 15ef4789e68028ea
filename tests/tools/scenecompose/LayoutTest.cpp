#include <gtest/gtest.h>

#include "tools/scenecompose/Layout.hpp"

namespace {

Drawable picture(int x, int y, int w, int h, int layer, int order, bool findable) {
    Drawable d;
    d.mask = AlphaMask(w, h, 255);
    d.x = x;
    d.y = y;
    d.layer = layer;
    d.order = order;
    d.findable = findable;
    return d;
}

}  // namespace

TEST(Layout, KeepsEveryFindablePictureVisibleEnough) {
    Layout layout(0.5);
    ASSERT_TRUE(layout.tryAdd(picture(0, 0, 10, 10, 10, 1, true)));
    EXPECT_DOUBLE_EQ(layout.visibleShare(0), 1.0);

    // A shield over 60 % of the goal would leave it too little.
    EXPECT_FALSE(layout.tryAdd(picture(0, 0, 10, 6, 20, 2, false)));
    EXPECT_EQ(layout.drawables().size(), 1u);
    ASSERT_TRUE(layout.tryAdd(picture(0, 0, 10, 4, 20, 3, false)));
    EXPECT_DOUBLE_EQ(layout.visibleShare(0), 0.6);

    // A newcomer on a lower layer is covered by what is already above it.
    EXPECT_FALSE(layout.tryAdd(picture(0, 0, 10, 10, 5, 4, true)));
    ASSERT_TRUE(layout.tryAdd(picture(20, 0, 10, 10, 5, 5, true)));

    // Only pixels with alpha cover: a mostly transparent picture takes one column.
    Drawable sparse = picture(20, 0, 10, 10, 30, 6, false);
    sparse.mask = AlphaMask(10, 10, 0);
    for (int y = 0; y < 10; ++y) {
        sparse.mask.set(0, y, 1);
    }
    ASSERT_TRUE(layout.tryAdd(sparse));
    EXPECT_DOUBLE_EQ(layout.visibleShare(2), 0.9);

    // Equal layers: the later picture lies on top.
    EXPECT_FALSE(layout.tryAdd(picture(0, 4, 10, 6, 10, 7, false)));
}

TEST(Layout, PanelAreasAndEmptyPicturesCountAgainstFindability) {
    Layout layout(0.5);
    layout.reserve(0, 100, 100, 50);
    EXPECT_FALSE(layout.tryAdd(picture(40, 110, 10, 10, 99, 1, true)));
    ASSERT_TRUE(layout.tryAdd(picture(40, 95, 10, 10, 99, 2, true)));
    EXPECT_DOUBLE_EQ(layout.visibleShare(1), 0.5);

    Drawable empty = picture(300, 300, 10, 10, 10, 3, true);
    empty.mask = AlphaMask(10, 10, 0);
    EXPECT_FALSE(layout.tryAdd(empty));
    // Faint pixels are not a picture's own: a goal of only faint pixels is refused too.
    empty.mask = AlphaMask(10, 10, Layout::OpaqueAlpha - 1);
    EXPECT_FALSE(layout.tryAdd(empty));
}
