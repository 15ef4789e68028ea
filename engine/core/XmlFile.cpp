#include "engine/core/XmlFile.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "engine/core/ContentPath.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {

// What a failed load means for the content author.
std::string describe(tinyxml2::XMLError error) {
    switch (error) {
        case tinyxml2::XML_ERROR_FILE_NOT_FOUND:
            return "the file is missing";
        case tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED:
        case tinyxml2::XML_ERROR_FILE_READ_ERROR:
            return "the file cannot be read";
        case tinyxml2::XML_ERROR_EMPTY_DOCUMENT:
            return "the file is empty";
        default:
            break;
    }
    // "XML_ERROR_MISMATCHED_ELEMENT" reads "mismatched element".
    std::string name = tinyxml2::XMLDocument::ErrorIDToName(error);
    const std::string prefix = "XML_ERROR_";
    if (name.compare(0, prefix.size(), prefix) == 0) {
        name.erase(0, prefix.size());
    }
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return c == '_' ? ' ' : static_cast<char>(std::tolower(c));
    });
    return "not well-formed XML (" + name + ")";
}

}  // namespace

XmlFile::XmlFile(const std::string& path, const char* rootName)
    : fileName_(ContentPath::resolve(path)), root_(open(rootName)) {}

const tinyxml2::XMLElement* XmlFile::open(const char* rootName) {
    const tinyxml2::XMLError error = document_.LoadFile(fileName_.c_str());
    if (error != tinyxml2::XML_SUCCESS) {
        fail(document_.ErrorLineNum(), describe(error));
        return nullptr;
    }
    const tinyxml2::XMLElement* root = document_.RootElement();
    if (!root) {
        fail(0, std::string("the root element ") + rootName + " is missing");
        return nullptr;
    }
    if (std::strcmp(root->Name(), rootName) != 0) {
        fail(root->GetLineNum(), std::string("the root element is ") + root->Name() + ", not " + rootName);
        return nullptr;
    }
    return root;
}

void XmlFile::fail(int line, const std::string& what) const {
    logError("%s", message(fileName_, line, what).c_str());
}

std::string XmlFile::message(const std::string& file, int line, const std::string& what) {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + what : file + ": " + what;
}

void XmlFile::warn(const tinyxml2::XMLElement* element, const std::string& what) const {
    logWarning("%s", message(fileName_, element ? element->GetLineNum() : 0, what).c_str());
}

bool XmlFile::hasAll(const tinyxml2::XMLElement* element, std::initializer_list<const char*> names,
                     const std::string& called) const {
    std::string missing;
    for (const char* name : names) {
        if (!element->Attribute(name)) {
            missing += (missing.empty() ? "" : ", ") + std::string(name);
        }
    }
    if (missing.empty()) {
        return true;
    }
    warn(element, (called.empty() ? std::string("the ") + element->Name() : called) + " lacks " + missing);
    return false;
}

bool XmlFile::needsFile(const tinyxml2::XMLElement* element, const std::string& path, const std::string& what) const {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(ContentPath::resolve(path), ignored)) {
        return true;
    }
    warn(element, what + " \"" + path + "\" does not exist");
    return false;
}

std::string XmlFile::text(const tinyxml2::XMLElement* element, const char* name, const std::string& absent) {
    const char* value = element->Attribute(name);
    return value ? std::string(value) : absent;
}

int XmlFile::number(const tinyxml2::XMLElement* element, const char* name, int absent) {
    const char* value = element->Attribute(name);
    return value ? XmlNumber::leadingInt(value) : absent;
}

float XmlFile::real(const tinyxml2::XMLElement* element, const char* name, float absent) {
    const char* value = element->Attribute(name);
    return value ? std::strtof(value, nullptr) : absent;
}

std::map<std::string, std::string> XmlFile::attributes(const tinyxml2::XMLElement* element) {
    std::map<std::string, std::string> all;
    for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
        all[a->Name()] = a->Value();
    }
    return all;
}
