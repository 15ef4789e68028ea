#pragma once

#include <string>
#include <vector>

// Where objects may lie: a rectangle for the object's centre, the drawing
// layer of what lies there, and the ranges of scale and rotation (degrees).
struct PlacementArea {
    std::string name;
    int x = 0, y = 0, width = 0, height = 0;
    int layer = 10;
    double scaleMin = 1.0, scaleMax = 1.0;
    double angleMin = 0.0, angleMax = 0.0;
    // How often objects without an area of their own land here, relative to other areas.
    double weight = 1.0;
    int line = 0;
};

// A full-canvas picture drawn over the objects (a bench front, a curtain).
struct ForegroundPiece {
    std::string art;
    int layer = 50;
};

// `count` objects of one kind, in a named area or anywhere.
struct Placement {
    std::string object;
    int count = 1;
    std::string area;
    int line = 0;
};

// One goal step: the goal panel that shows it, how many objects the player
// finds in it, and the candidates (collections of like objects go whole).
struct GoalStep {
    std::string identifier;
    int goals = 10;
    std::vector<Placement> candidates;
    int line = 0;
};

struct ReservedRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// A scene's placement description (assets/scenes/NAME.xml):
//   <ScenePlacement id folder fileName seed [minVisible] [shadow] [light]>
//     <Background art/> <Foreground art layer/>* <Reserved x y width height/>*
//     <Area name x y width height layer scale="min,max" angle="min,max" [weight]/>*
//     <Step identifier goals> <Place object [count] [area]/>* </Step>*
//     <Decoy object [count] [area]/>*
// Art paths are relative to the placement file's folder. An Area of weight 0
// takes only the objects that name it. `shadow` is the opacity of the soft
// shadow each object casts on the background, down and to the right (0.3 when
// not given, 0 for none); `light="#RRGGBB,strength"` tints every object
// towards the scene's light (strength 0..1; no tint when not given).
struct ScenePlan {
    std::string path;
    int id = 0;
    std::string folder;
    std::string fileName;
    unsigned seed = 1;
    double minVisible = 0.4;
    double shadow = 0.3;
    // The scene's light colour (0..255 each) and how strongly objects take it on.
    int lightRed = 255, lightGreen = 255, lightBlue = 255;
    double lightStrength = 0;
    std::string background;
    std::vector<ForegroundPiece> foregrounds;
    std::vector<ReservedRect> reserved;
    std::vector<PlacementArea> areas;
    std::vector<GoalStep> steps;
    std::vector<Placement> decoys;

    // Prints one "file:line: problem" line per fault; false when there was any.
    bool load(const std::string& file);
    std::string artPath(const std::string& art) const;
    // "mech_location" + two-digit location number + "_present" or "_past" + ".xml".
    std::string mechanicsFileName() const;
};
