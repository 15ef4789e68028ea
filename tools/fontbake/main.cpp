#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/fontbake/FontBaker.hpp"

// fontbake FACE PIXEL_SIZE OUTPUT.fnt [smallcaps] [outline]
int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: fontbake FACE PIXEL_SIZE OUTPUT.fnt [smallcaps] [outline]" << std::endl;
        return 2;
    }
    FontBaker::Options options;
    options.facePath = argv[1];
    options.pixelSize = std::atoi(argv[2]);
    const std::string output = argv[3];
    for (int i = 4; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "smallcaps") {
            options.smallCaps = true;
        } else if (flag == "outline") {
            options.outlined = true;
        } else {
            std::cerr << "fontbake: " << output << ": unknown option " << flag << std::endl;
            return 2;
        }
    }
    if (options.pixelSize < 4 || options.pixelSize > 200) {
        std::cerr << "fontbake: " << output << ": pixel size " << argv[2] << " out of range 4..200" << std::endl;
        return 2;
    }
    std::string error;
    if (!FontBaker::bake(options, output, error)) {
        std::cerr << "fontbake: " << output << ": " << error << std::endl;
        return 1;
    }
    return 0;
}
