#pragma once

#include <map>
#include <string>
#include <vector>

// One way of choosing goals inside a CollectGroup step.
struct CollectRule {
    enum Pick { Random = 0, First = 1, All = 2 };

    std::string name;
    std::vector<int> typeIds;
    int count = -1;  // -1: no limit
    int pick = All;
    int questId = -1;
    int line = 0;  // of the Collect element
};

// One step of a scene: collect goals, show a screen, or something the scene
// class does itself.
struct MechanicsStep {
    enum Kind { CollectGroup = 0, Screen = 1, CustomMechanics = 2 };

    int kind = CollectGroup;
    // The identifier (CollectGroup, CustomMechanics; "UNSPECIFIED" when
    // absent) or the screen type (Screen).
    std::string identifier;
    // Every attribute of a Screen or CustomMechanics element.
    std::map<std::string, std::string> attributes;
    std::vector<CollectRule> collect;
    int line = 0;  // of the step's element

    // The attribute's value, or fallback when the step has none.
    std::string attribute(const std::string& name, const std::string& fallback = "") const;
};

// The steps of one scene in order, read from its mechanics file each time the
// scene screen loads; the screen owns it.
class SceneMechanics {
public:
    // Reads the file; a missing or broken file gives no steps and one line,
    // an incomplete Collect or Screen is left out and reported.
    bool load(const std::string& path);

    const std::vector<MechanicsStep>& steps() const { return steps_; }
    // The line of the root element; 0 before a file was read.
    int line() const { return line_; }
    int size() const { return static_cast<int>(steps_.size()); }
    // The step at index, or null outside the list.
    const MechanicsStep* step(int index) const;

    // The mechanics file of a location scene: "mech_location" + two digits +
    // "_present" (ids 100..199) or "_past" (ids from 200). Other ids are no
    // location and give an empty name.
    static std::string locationFileName(int sceneId);

private:
    std::vector<MechanicsStep> steps_;
    int line_ = 0;
};
