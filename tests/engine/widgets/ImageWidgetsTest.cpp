#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/widgets/ClickableImageWidget.hpp"
#include "engine/widgets/ImageWidget.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"

namespace {

using namespace controls;

// A piece that logs its hooks with the pointer's x.
class Piece : public ClickableImageWidget {
public:
    using ClickableImageWidget::ClickableImageWidget;
    std::vector<std::string> log;

protected:
    void pressed(const MouseEvent& event) override { log.push_back("press " + std::to_string(event.x)); }
    void dragged(const MouseEvent& event) override { log.push_back("drag " + std::to_string(event.x)); }
    void released(const MouseEvent& event) override { log.push_back("release " + std::to_string(event.x)); }
};

using ImageWidgetsTest = ControlTest;

TEST_F(ImageWidgetsTest, ImagesTakeTheirPictureSizeAndPiecesHearOnlyTheirOwnDrags) {
    FakeTexture picture(80, 40, 128, 64);
    ImageWidget image(&picture, 10, 20);
    EXPECT_EQ(80, image.getWidth());
    EXPECT_EQ(40, image.getHeight());
    EXPECT_EQ(10, image.getX());
    image.setColor(Color(255, 255, 255, 100));
    image.draw(&app.graphics, &screen);
    const auto drawn = app.graphics.callsOf("drawImage");
    ASSERT_EQ(1u, drawn.size());
    EXPECT_EQ(&picture, drawn[0].texture);
    EXPECT_EQ(100, drawn[0].color.a);

    std::unique_ptr<FakeTexture> ring(maskedTexture(100, 100, 25, 25, 50, 50));
    Piece piece(ring.get(), 200, 200);
    manager->add(&piece);
    frame(0);
    EXPECT_EQ(nullptr, manager->widgetAt(205, 205));
    EXPECT_EQ(&piece, manager->widgetAt(250, 250));
    piece.setWholeRectangleHit(true);
    EXPECT_EQ(&piece, manager->widgetAt(205, 205));
    piece.setWholeRectangleHit(false);

    manager->onMouseEvent(mouseEvent(MouseEvent::Move, 250, 250, 0));
    manager->onMouseEvent(mouseEvent(MouseEvent::Move, 255, 250, 0));
    manager->onMouseEvent(mouseEvent(MouseEvent::Press, 255, 250, MouseEvent::Left));
    EXPECT_TRUE(piece.isHeld());
    manager->onMouseEvent(mouseEvent(MouseEvent::Move, 400, 250, MouseEvent::Left));
    manager->onMouseEvent(mouseEvent(MouseEvent::Release, 400, 250, MouseEvent::Left));
    manager->onMouseEvent(mouseEvent(MouseEvent::Move, 260, 250, 0));
    EXPECT_EQ((std::vector<std::string>{"press 255", "drag 400", "release 400"}), piece.log);
    EXPECT_FALSE(piece.isHeld());
}

}  // namespace
