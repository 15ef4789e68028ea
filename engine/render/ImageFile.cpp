#include "engine/render/ImageFile.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cstring>
#include <set>

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

// A picture that cannot be read is named once a run: the game may ask for it
// again (a scene and its hit map, a screen built anew), and one line says it.
void reportFailure(const std::string& path, const std::string& what) {
    static std::set<std::string> reported;
    if (reported.insert(path).second) {
        logWarning("Image %s: %s", path.c_str(), what.c_str());
    } else {
        logDebug("Image %s: %s (again)", path.c_str(), what.c_str());
    }
}

}  // namespace

SurfacePtr ImageFile::load(const std::string& contentPath, Report report) {
    const std::string path = ContentPath::resolve(contentPath);
    const bool loud = report == Report::Failures;
    RWopsPtr stream(SDL_RWFromFile(path.c_str(), "rb"));
    if (!stream) {
        if (loud) {
            reportFailure(path, "cannot open the file");
        }
        return nullptr;
    }
    unsigned char head[8] = {};
    const int got = SDL_RWread(stream.get(), head, 1, sizeof(head));
    const char* type = decoderFor(head, got > 0 ? static_cast<std::size_t>(got) : 0);
    if (!type) {
        if (loud) {
            reportFailure(path, "not a PNG or JPEG picture");
        }
        return nullptr;
    }
    SDL_RWseek(stream.get(), 0, RW_SEEK_SET);
    // The decoder closes the stream it is given.
    SurfacePtr surface(IMG_LoadTyped_RW(stream.release(), 1, const_cast<char*>(type)));
    if (!surface && loud) {
        reportFailure(path, std::string("cannot be decoded: ") + SDL_GetError());
    }
    return surface;
}
