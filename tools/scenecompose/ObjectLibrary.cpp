#include "tools/scenecompose/ObjectLibrary.hpp"

#include <tinyxml2.h>

#include <cstdio>
#include <set>

bool ObjectLibrary::load(const std::string& path) {
    kinds_.clear();
    const std::size_t slash = path.rfind('/');
    folder_ = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("%s:%d: %s\n", path.c_str(), document.ErrorLineNum(), document.ErrorName());
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("ObjectLibrary");
    if (!root || !root->Attribute("materials")) {
        std::printf("%s:1: the root must be <ObjectLibrary materials=\"...\">\n", path.c_str());
        return false;
    }
    materials_ = folder_ + root->Attribute("materials");
    bool good = true;
    std::set<int> typeIds;
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("Object"); e; e = e->NextSiblingElement("Object")) {
        ObjectKind kind;
        const char* key = e->Attribute("key");
        const char* art = e->Attribute("art");
        const char* name = e->Attribute("name");
        if (!key || !art || !name || !*name || e->QueryIntAttribute("typeId", &kind.typeId) != tinyxml2::XML_SUCCESS ||
            e->QueryIntAttribute("size", &kind.size) != tinyxml2::XML_SUCCESS || kind.size <= 0) {
            std::printf("%s:%d: an Object needs key, art, name, typeId and a positive size\n", path.c_str(),
                        e->GetLineNum());
            good = false;
            continue;
        }
        kind.key = key;
        kind.art = art;
        kind.name = name;
        kind.paint = e->Attribute("paint") ? e->Attribute("paint") : "";
        if (!typeIds.insert(kind.typeId).second) {
            std::printf("%s:%d: typeId %d is used twice\n", path.c_str(), e->GetLineNum(), kind.typeId);
            good = false;
        }
        if (!kinds_.emplace(kind.key, kind).second) {
            std::printf("%s:%d: key %s is used twice\n", path.c_str(), e->GetLineNum(), key);
            good = false;
        }
    }
    return good;
}

const ObjectKind* ObjectLibrary::find(const std::string& key) const {
    const auto it = kinds_.find(key);
    return it == kinds_.end() ? nullptr : &it->second;
}
