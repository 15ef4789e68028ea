#include "game/app/SharedResources.hpp"

#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/AngelFont.hpp"

namespace {

struct FontEntry {
    const char* name;
    const char* file;
    Font* SharedResources::*slot;
};

struct TextureEntry {
    const char* name;
    const char* file;
    Texture* SharedResources::*slot;
};

const FontEntry kFonts[] = {
    {"FONT_PH_BIG", "content/fonts/PH_big.fnt", &SharedResources::phBig},
    {"FONT_PH_SMALL", "content/fonts/PH_small.fnt", &SharedResources::phSmall},
    {"FONT_TimesNewRoman20B", "content/fonts/TimesNewRoman20B.fnt", &SharedResources::timesNewRoman20B},
    {"FONT_TrajanPro14", "content/fonts/TrajanPro14.fnt", &SharedResources::trajanPro14},
    {"FONT_TrajanPro12FX", "content/fonts/TrajanPro12FX.fnt", &SharedResources::trajanPro12FX},
    {"FONT_TrajanPro14FX", "content/fonts/TrajanPro14FX.fnt", &SharedResources::trajanPro14FX},
    {"FONT_TrajanPro17B", "content/fonts/TrajanPro17B.fnt", &SharedResources::trajanPro17B},
    // This name has always loaded the 18-pixel face.
    {"FONT_TrajanPro22FX", "content/fonts/TrajanPro18.fnt", &SharedResources::trajanPro22FX},
    {"FONT_TrajanPro22", "content/fonts/TrajanPro22.fnt", &SharedResources::trajanPro22},
    {"FONT_Aldine18", "content/fonts/Aldine18.fnt", &SharedResources::aldine18},
    {"FONT_Aldine26", "content/fonts/Aldine26.fnt", &SharedResources::aldine26},
    {"FONT_MyriadPro18", "content/fonts/MyriadPro18.fnt", &SharedResources::myriadPro18},
    {"FONT_MyriadPro16", "content/fonts/MyriadPro16.fnt", &SharedResources::myriadPro16},
    {"FONT_CREDITS", "content/fonts/TrajanPro14FX.fnt", &SharedResources::credits},
};

const TextureEntry kTextures[] = {
    {"GTEX_BTN_PH_N", "content/images/menus/BtnN.png", &SharedResources::buttonNormal},
    {"GTEX_BTN_PH_O", "content/images/menus/BtnO.png", &SharedResources::buttonOver},
    {"GTEX_SUBTITLESBACKDROP", "content/images/menus/subtitlesbackdrop.png", &SharedResources::subtitlesBackdrop},
    {"GTEX_PARTICLE_PATCH1", "content/fx/particle1.png", &SharedResources::particlePatch1},
    {"GTEX_PARTICLE_PATCH2", "content/fx/Patch01.png", &SharedResources::particlePatch2},
    {"GTEX_PARTICLE_PATCH3", "content/fx/Patch02.png", &SharedResources::particlePatch3},
    {"GTEX_UNLOCKED_PIECE_EFFECT", "content/animations/PieceCollectedEff/BackgroundEff_BIG.png",
     &SharedResources::unlockedPieceEffect},
};

}  // namespace

void SharedResources::preload(ResourceManager& resources, TextureFactory& textures) {
    for (const FontEntry& f : kFonts) {
        Font* font = new AngelFont(f.file, &textures);
        resources.addFont(f.name, font);
        this->*f.slot = font;
    }
    for (const TextureEntry& t : kTextures) {
        Texture* texture = textures.load(t.file, nullptr, Texture::KeepNothing);
        resources.addTexture(t.name, texture);
        this->*t.slot = texture;
    }
}
