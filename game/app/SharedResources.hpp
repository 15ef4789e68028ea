#pragma once

#include "engine/core/SingletonContainer.hpp"

class Font;
class ResourceManager;
class Texture;
class TextureFactory;

// The fonts and pictures every screen may use, loaded once at start-up into
// the global resource manager (which owns them) and also kept here so that
// screens reach them without a lookup (through instance()).
struct SharedResources : SingletonContainer<SharedResources> {
    Font* phBig = nullptr;
    Font* phSmall = nullptr;
    Font* timesNewRoman20B = nullptr;
    Font* trajanPro14 = nullptr;
    Font* trajanPro12FX = nullptr;
    Font* trajanPro14FX = nullptr;
    Font* trajanPro17B = nullptr;
    Font* trajanPro22FX = nullptr;
    Font* trajanPro22 = nullptr;
    Font* aldine18 = nullptr;
    Font* aldine26 = nullptr;
    Font* myriadPro18 = nullptr;
    Font* myriadPro16 = nullptr;
    Font* credits = nullptr;
    Texture* buttonNormal = nullptr;
    Texture* buttonOver = nullptr;
    Texture* subtitlesBackdrop = nullptr;
    Texture* particlePatch1 = nullptr;
    Texture* particlePatch2 = nullptr;
    Texture* particlePatch3 = nullptr;
    Texture* unlockedPieceEffect = nullptr;

    // Loads everything in its fixed order under its fixed name.
    void preload(ResourceManager& resources, TextureFactory& textures);
};
