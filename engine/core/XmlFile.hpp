#pragma once

#include <initializer_list>
#include <map>
#include <string>

#include <tinyxml2.h>

// One XML content file opened for a loader: resolves a "content/..." path,
// parses the document and checks its root element. Every problem, of the
// file or of one of its elements, goes to the diagnostics sink as one line
// "FILE:LINE: what is wrong" (the line left out where there is none); a file
// that cannot be used gives a null root and the loader goes on without it.
class XmlFile {
public:
    XmlFile(const std::string& path, const char* rootName);

    XmlFile(const XmlFile&) = delete;
    XmlFile& operator=(const XmlFile&) = delete;

    // The root element, or null when the file is missing, broken or has
    // another root element.
    const tinyxml2::XMLElement* root() const { return root_; }
    // The path the file was read from, as the diagnostics name it.
    const std::string& fileName() const { return fileName_; }

    // Reports a fault of one element (its line; the file's line 0 for none).
    void warn(const tinyxml2::XMLElement* element, const std::string& what) const;
    // True when the element has every attribute named; otherwise reports
    // "<called> lacks a, b" and gives false. called defaults to "the <element name>".
    bool hasAll(const tinyxml2::XMLElement* element, std::initializer_list<const char*> names,
                const std::string& called = "") const;

    // True when the content file the element names exists; otherwise reports
    // "<what> "<path>" does not exist" at the element and gives false.
    bool needsFile(const tinyxml2::XMLElement* element, const std::string& path, const std::string& what) const;

    // "FILE:LINE: what", or "FILE: what" when line is 0 or less.
    static std::string message(const std::string& file, int line, const std::string& what);

    // The attribute's text; absent when there is no such attribute.
    static std::string text(const tinyxml2::XMLElement* element, const char* name, const std::string& absent = "");
    // The attribute read with the formats' number rule (XmlNumber); absent
    // when there is no such attribute.
    static int number(const tinyxml2::XMLElement* element, const char* name, int absent = 0);
    // Every attribute of the element, name to text.
    static std::map<std::string, std::string> attributes(const tinyxml2::XMLElement* element);
    // The leading real number of the attribute (0 when it has none); absent
    // when there is no such attribute.
    static float real(const tinyxml2::XMLElement* element, const char* name, float absent = 0.0f);

private:
    // Loads the document; the root, or null after reporting why there is none.
    const tinyxml2::XMLElement* open(const char* rootName);
    void fail(int line, const std::string& what) const;

    std::string fileName_;
    tinyxml2::XMLDocument document_;
    const tinyxml2::XMLElement* root_;
};
