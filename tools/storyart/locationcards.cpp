// locationcards OUT_FOLDER BACKGROUND.svg...
// Writes the framed location cards of the map, LocationNN.png and
// LocationNN_O.png, one pair per background in the order given.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/storyart/LocationCards.hpp"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: locationcards OUT_FOLDER BACKGROUND.svg...\n");
        return 2;
    }
    return LocationCards::write(std::vector<std::string>(argv + 2, argv + argc), argv[1]) ? 0 : 1;
}
