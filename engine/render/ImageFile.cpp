#include "engine/render/ImageFile.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cstdio>
#include <cstring>

#include "engine/core/Log.hpp"
#include "engine/core/ContentPath.hpp"

namespace {

const char* decoderFor(const unsigned char* head, std::size_t size) {
    static const unsigned char png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    static const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF};
    if (size >= sizeof(png) && std::memcmp(head, png, sizeof(png)) == 0) {
        return "PNG";
    }
    if (size >= sizeof(jpeg) && std::memcmp(head, jpeg, sizeof(jpeg)) == 0) {
        return "JPG";
    }
    return nullptr;
}

}  // namespace

SDL_Surface* ImageFile::load(const std::string& contentPath, Report report) {
    const std::string path = ContentPath::resolve(contentPath);
    const bool loud = report == Report::Failures;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (loud) {
            logWarning("Image %s: cannot open the file", path.c_str());
        }
        return nullptr;
    }
    unsigned char head[8] = {};
    const std::size_t got = std::fread(head, 1, sizeof(head), file);
    std::fclose(file);
    const char* type = decoderFor(head, got);
    if (!type) {
        if (loud) {
            logWarning("Image %s: not a PNG or JPEG picture", path.c_str());
        }
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    SDL_Surface* surface = rw ? IMG_LoadTyped_RW(rw, 1, const_cast<char*>(type)) : nullptr;
    if (!surface && loud) {
        logWarning("IMG_Load %s: %s", path.c_str(), SDL_GetError());
    }
    return surface;
}
