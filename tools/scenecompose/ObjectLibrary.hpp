#pragma once

#include <map>
#include <string>

// One kind of hidden object: its picture (an SVG body drawn on a 128 by 128
// canvas with the shared paints), the paint that fills its "PAINT" parts, the
// object kind the scene rules know it by, and its size in pixels at scale 1.
struct ObjectKind {
    std::string key;
    std::string art;
    std::string paint;
    int typeId = 0;
    int size = 0;
    // What the picture shows, in English: the item name in the scene files.
    std::string name;
};

// The object library "library.xml": <ObjectLibrary materials="..."> with one
// <Object key art typeId size name [paint]> per kind. Paths are relative to the
// library's folder.
class ObjectLibrary {
public:
    // Prints one "file:line: problem" line per fault; false when there was any.
    bool load(const std::string& path);

    const ObjectKind* find(const std::string& key) const;
    const std::map<std::string, ObjectKind>& kinds() const { return kinds_; }
    std::string artPath(const ObjectKind& kind) const { return folder_ + kind.art; }
    const std::string& materialsPath() const { return materials_; }

private:
    std::string folder_;
    std::string materials_;
    std::map<std::string, ObjectKind> kinds_;
};
