#include "game/minigames/klotsky/MgKlotsky.hpp"

#include "engine/core/XmlFile.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/minigames/klotsky/KlotskyPiece.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {
// Where the tutorial line stands under the board.
const IntRect kTutorialBox(390, 668, 500, 100);
}  // namespace

MgKlotsky::MgKlotsky(const std::string& configFile, bool fromExtrasMenu, TextureFactory* textures)
    : MiniGameBase("MgKlotsky", "TUTORIAL_MESSAGE", fromExtrasMenu, textures), configFile_(configFile) {}

void MgKlotsky::build() {
    MiniGameBase::build();
    background_ = picture("MG_KLOTSKY_BG", Background);
}

void MgKlotsky::onEnter() {
    readLayout();
    if (!load(configFile_)) {
        passOver();
    }
    for (KlotskyPiece* piece : pieces_) {
        if (piece->getMarker() >= 0 && piece->getMarker() < markerCount()) {
            piece->setPosition(markerPixelX(piece->getMarker()), markerPixelY(piece->getMarker()));
        } else {
            piece->setVisible(false);
        }
    }
    MiniGameBase::onEnter();
}

void MgKlotsky::readLayout() {
    XmlFile file(configFile_, "Game");
    const tinyxml2::XMLElement* game = file.root();
    if (!game) {
        return;
    }
    const std::string folder = XmlFile::text(game, "imagePath");
    const std::string background = XmlFile::text(game, "background");
    if (!background.empty()) {
        picture("MG_KLOTSKY_LAYOUT_BG", folder + background);
    }
    int startX = -1;
    int startY = -1;
    if (const tinyxml2::XMLElement* start = game->FirstChildElement("StartField")) {
        startX = XmlFile::number(start, "x", -1);
        startY = XmlFile::number(start, "y", -1);
    }
    for (const tinyxml2::XMLElement* e = game->FirstChildElement("Marker"); e; e = e->NextSiblingElement("Marker")) {
        const std::string image = XmlFile::text(e, "texturePath");
        if (image.empty()) {
            continue;
        }
        auto* piece = new KlotskyPiece(picture("MG_KLOTSKY_PIECE_" + image, folder + image),
                                       XmlFile::number(e, "id", -1),
                                       XmlFile::number(e, "horizontalMovement") != 0, *this);
        piece->setPosition(startX - 1, startY - 1);
        pieces_.push_back(piece);
        addWidget(piece);
    }
}

void MgKlotsky::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}

void MgKlotsky::drawForeground(Graphics* graphics) {
    if (Font* font = SharedResources::instance().aldine18) {
        font->drawTextInBox(graphics, kTutorialBox, label("MGKLOTSKY_TUT"), Color::white(), Font::kAlignLeft,
                            Font::kAlignMiddle, false);
    }
}

void MgKlotsky::puzzleSolved() {
    if (solved_) {
        return;
    }
    solved_ = true;
    MiniGameBase::puzzleSolved();
}

ScreenBase* MgKlotsky::restarted() const {
    return new MgKlotsky(configFile_, false, givenTextures());
}
