#include "engine/config/ConfigFile.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

#include "engine/config/FileNotFoundError.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {

std::string trim(const std::string& text) {
    static const char* const blanks = " \n\t\v\r\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

ConfigFile::ConfigFile(const std::string& fileName, bool loadNow, const std::string& separator,
                       const std::string& commentMarker, const std::string& endMarker)
    : fileName_(fileName), separator_(separator), commentMarker_(commentMarker), endMarker_(endMarker) {
    if (loadNow) {
        load();
    }
}

std::string ConfigFile::cutComment(const std::string& line) const {
    if (commentMarker_.empty()) {
        return line;
    }
    return line.substr(0, line.find(commentMarker_));
}

bool ConfigFile::holdsEndMarker(const std::string& line) const {
    return !endMarker_.empty() && line.find(endMarker_) != std::string::npos;
}

void ConfigFile::load() {
    const std::string path = ContentPath::resolve(fileName_);
    std::ifstream in(path);
    if (!in) {
        throw FileNotFoundError(path);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    std::size_t next = 0;
    bool ended = endMarker_.empty();
    while (next < lines.size()) {
        const int lineNumber = static_cast<int>(++next);
        const std::string line = cutComment(lines[next - 1]);
        if (holdsEndMarker(line)) {
            ended = true;
            break;
        }
        const std::size_t at = separator_.empty() ? std::string::npos : line.find(separator_);
        if (at == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, at);
        std::string value = line.substr(at + separator_.size());
        // Following lines continue the value until a blank line, another
        // key line or the end marker, which are then read as ordinary lines.
        while (next < lines.size()) {
            if (trim(lines[next]).empty()) {
                break;
            }
            const std::string continued = cutComment(lines[next]);
            if (continued.find(separator_) != std::string::npos || holdsEndMarker(continued)) {
                break;
            }
            if (!trim(continued).empty()) {
                value += "\n";
            }
            value += continued;
            ++next;
        }
        contents_[trim(key)] = trim(value);
        lines_[trim(key)] = lineNumber;
    }
    // Without its end marker the file was most likely cut short.
    if (!ended) {
        logWarning("%s", XmlFile::message(path, static_cast<int>(lines.size()),
                                          "the file ends before its end marker " + endMarker_)
                             .c_str());
    }
}

int ConfigFile::lineOf(const std::string& key) const {
    auto it = lines_.find(key);
    return it == lines_.end() ? 0 : it->second;
}

int ConfigFile::readInt(const std::string& key, int defaultValue) const {
    auto it = contents_.find(key);
    if (it == contents_.end()) {
        return defaultValue;
    }
    return XmlNumber::leadingInt(it->second.c_str());
}

bool ConfigFile::readBool(const std::string& key, bool defaultValue) const {
    auto it = contents_.find(key);
    if (it == contents_.end()) {
        return defaultValue;
    }
    std::string value = it->second;
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return !(value == "FALSE" || value == "F" || value == "NO" || value == "N" || value == "0" || value == "NONE");
}

std::string ConfigFile::readString(const std::string& key, const std::string& defaultValue) const {
    auto it = contents_.find(key);
    return it == contents_.end() ? defaultValue : it->second;
}
