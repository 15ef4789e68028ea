#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/labelbake/LabelConverter.hpp"

// labelbake SOURCE.xml OUTPUT.xml: converts a UTF-8 labels file to the game's
// Windows-1252. Characters that cannot be converted are listed and fail the build.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: labelbake SOURCE.xml OUTPUT.xml" << std::endl;
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read" << std::endl;
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<std::string> problems;
    const std::string converted = LabelConverter::convert(text.str(), argv[1], problems);
    for (const std::string& problem : problems) {
        std::cerr << problem << std::endl;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << converted;
    if (!out) {
        std::cerr << argv[2] << ": cannot write" << std::endl;
        return 1;
    }
    return problems.empty() ? 0 : 1;
}
