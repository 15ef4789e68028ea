#include "tools/scenecompose/ScenePlan.hpp"

#include <tinyxml2.h>

#include <cstdio>

namespace {

using tinyxml2::XMLElement;

bool readRange(const XMLElement* e, const char* name, double* low, double* high) {
    const char* text = e->Attribute(name);
    if (!text) {
        return true;
    }
    double a = 0;
    double b = 0;
    const int read = std::sscanf(text, "%lf,%lf", &a, &b);
    if (read == 1) {
        b = a;
    } else if (read != 2 || b < a) {
        return false;
    }
    *low = a;
    *high = b;
    return true;
}

bool readPlacement(const XMLElement* e, Placement* placement) {
    const char* object = e->Attribute("object");
    if (!object) {
        return false;
    }
    placement->object = object;
    placement->area = e->Attribute("area") ? e->Attribute("area") : "";
    placement->line = e->GetLineNum();
    return e->QueryIntAttribute("count", &placement->count) != tinyxml2::XML_WRONG_ATTRIBUTE_TYPE &&
           placement->count > 0;
}

bool readRect(const XMLElement* e, int* x, int* y, int* width, int* height) {
    return e->QueryIntAttribute("x", x) == tinyxml2::XML_SUCCESS &&
           e->QueryIntAttribute("y", y) == tinyxml2::XML_SUCCESS &&
           e->QueryIntAttribute("width", width) == tinyxml2::XML_SUCCESS &&
           e->QueryIntAttribute("height", height) == tinyxml2::XML_SUCCESS && *width > 0 && *height > 0;
}

}  // namespace

bool ScenePlan::load(const std::string& file) {
    *this = ScenePlan();
    path = file;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(file.c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("%s:%d: %s\n", file.c_str(), document.ErrorLineNum(), document.ErrorName());
        return false;
    }
    const XMLElement* root = document.FirstChildElement("ScenePlacement");
    const auto fault = [&file](int line, const char* what) {
        std::printf("%s:%d: %s\n", file.c_str(), line, what);
        return false;
    };
    if (!root || root->QueryIntAttribute("id", &id) != tinyxml2::XML_SUCCESS || id < 100 || id > 299 ||
        !root->Attribute("folder") || !root->Attribute("fileName")) {
        return fault(root ? root->GetLineNum() : 1,
                     "the root must be <ScenePlacement id=\"100..299\" folder=\"...\" fileName=\"...\">");
    }
    folder = root->Attribute("folder");
    fileName = root->Attribute("fileName");
    root->QueryUnsignedAttribute("seed", &seed);
    root->QueryDoubleAttribute("minVisible", &minVisible);
    root->QueryDoubleAttribute("shadow", &shadow);
    bool good = true;
    if (shadow < 0 || shadow > 1) {
        good = fault(root->GetLineNum(), "shadow must lie from 0 to 1");
    }
    if (const char* light = root->Attribute("light")) {
        unsigned colour = 0;
        if (std::sscanf(light, "#%6x,%lf", &colour, &lightStrength) != 2 || lightStrength < 0 || lightStrength > 1) {
            good = fault(root->GetLineNum(), "light must be written \"#RRGGBB,strength\" with a strength from 0 to 1");
        }
        lightRed = static_cast<int>(colour >> 16 & 0xff);
        lightGreen = static_cast<int>(colour >> 8 & 0xff);
        lightBlue = static_cast<int>(colour & 0xff);
    }
    double sharedWeight = 0;
    if (minVisible < 0.25 || minVisible > 1.0) {
        good = fault(root->GetLineNum(), "minVisible must lie from 0.25 to 1");
    }
    for (const XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string name = e->Name();
        const int line = e->GetLineNum();
        if (name == "Background" && e->Attribute("art")) {
            background = e->Attribute("art");
        } else if (name == "Foreground" && e->Attribute("art")) {
            ForegroundPiece piece;
            piece.art = e->Attribute("art");
            e->QueryIntAttribute("layer", &piece.layer);
            foregrounds.push_back(piece);
        } else if (name == "Reserved") {
            ReservedRect rect;
            if (!readRect(e, &rect.x, &rect.y, &rect.width, &rect.height)) {
                good = fault(line, "a Reserved rectangle needs x, y, width and height");
            }
            reserved.push_back(rect);
        } else if (name == "Area") {
            PlacementArea area;
            area.line = line;
            area.name = e->Attribute("name") ? e->Attribute("name") : "";
            e->QueryIntAttribute("layer", &area.layer);
            e->QueryDoubleAttribute("weight", &area.weight);
            if (area.weight < 0 || !readRect(e, &area.x, &area.y, &area.width, &area.height) ||
                !readRange(e, "scale", &area.scaleMin, &area.scaleMax) ||
                !readRange(e, "angle", &area.angleMin, &area.angleMax) || area.scaleMin <= 0) {
                good = fault(line, "an Area needs x, y, width, height and ranges written \"min,max\"");
            }
            areas.push_back(area);
            sharedWeight += area.weight;
        } else if (name == "Step") {
            GoalStep step;
            step.line = line;
            step.identifier = e->Attribute("identifier") ? e->Attribute("identifier") : "";
            e->QueryIntAttribute("goals", &step.goals);
            for (const XMLElement* p = e->FirstChildElement("Place"); p; p = p->NextSiblingElement("Place")) {
                Placement placement;
                if (!readPlacement(p, &placement)) {
                    good = fault(p->GetLineNum(), "a Place needs an object and a positive count");
                }
                step.candidates.push_back(placement);
            }
            steps.push_back(step);
        } else if (name == "Decoy") {
            Placement placement;
            if (!readPlacement(e, &placement)) {
                good = fault(line, "a Decoy needs an object and a positive count");
            }
            decoys.push_back(placement);
        } else {
            good = fault(line, "unknown or incomplete element");
        }
    }
    if (background.empty()) {
        good = fault(root->GetLineNum(), "the scene has no Background");
    }
    if (areas.empty()) {
        good = fault(root->GetLineNum(), "the scene has no Area to place objects in");
    }
    if (!areas.empty() && sharedWeight <= 0) {
        good = fault(root->GetLineNum(), "some Area needs a weight above 0 for objects that name no area");
    }
    return good;
}

std::string ScenePlan::artPath(const std::string& art) const {
    if (!art.empty() && art[0] == '/') {
        return art;
    }
    const std::size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + art;
}

std::string ScenePlan::mechanicsFileName() const {
    const int location = id < 200 ? id - 100 : id - 200;
    char name[64];
    std::snprintf(name, sizeof(name), "mech_location%02d%s.xml", location, id < 200 ? "_present" : "_past");
    return name;
}
