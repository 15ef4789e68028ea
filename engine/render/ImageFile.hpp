#pragma once

#include <string>

#include "engine/core/SdlPtr.hpp"

struct SDL_Surface;

// Decodes picture files. Only PNG and JPEG are read (recognised by their
// first bytes, whatever the extension says), so no other decoder of SDL_image
// ever sees content.
class ImageFile {
public:
    enum class Report { Failures, Silent };

    // A new surface the caller owns, or null. Unless silent, the first
    // failure of a path in a run prints one line naming it and the problem.
    static SurfacePtr load(const std::string& path, Report report = Report::Failures);
};
