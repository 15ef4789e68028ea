#pragma once

#include <random>
#include <string>
#include <vector>

#include "tools/scenecompose/ArtRenderer.hpp"
#include "tools/scenecompose/Layout.hpp"
#include "tools/scenecompose/ObjectLibrary.hpp"
#include "tools/scenecompose/ScenePlan.hpp"

// Builds one hidden-object scene from its placement description: renders the
// background, the foreground pieces and every object (scaled and turned as
// its area allows, at a seeded random spot where it keeps every findable
// object visible enough), and writes the item file, the pictures with their
// silhouettes and the mechanics file into the content folder.
class SceneComposer {
public:
    // Object kinds with these typeIds are the scenery of every scene.
    static constexpr int BackgroundTypeId = 900;
    static constexpr int ForegroundTypeId = 901;
    // Silhouettes are a pale parchment tone that reads on the goal panel's dark strip.
    static constexpr int SilhouetteRed = 246, SilhouetteGreen = 234, SilhouetteBlue = 204;
    // However small its kind and its area's scale, an object's 128-unit
    // canvas is drawn at least this many pixels wide, so it stays findable.
    static constexpr int MinimumSize = 32;

    SceneComposer(const ObjectLibrary& library, const ArtRenderer& renderer) : library_(library), renderer_(renderer) {}

    // Prints one "file:line: problem" line per fault; false when there was any.
    // With a preview path, also writes the whole scene as the game draws it
    // (the areas kept for the panels shaded) for the author to look at.
    bool compose(const ScenePlan& plan, const std::string& contentDir, const std::string& previewPath = "");
    // What the last successful compose placed.
    struct Report {
        int candidates = 0;  // goal candidates, collection pieces counted one by one
        int decoys = 0;
        double lowestGoalShare = 1;  // smallest uncovered share of a goal candidate
    };
    const Report& report() const { return report_; }

    // Checks the plan against the library without rendering anything.
    bool check(const ScenePlan& plan) const;
    // Every file composing the plan reads: the plan, the library's paints,
    // the scene's art and the pictures of the objects it places (sorted, once each).
    std::vector<std::string> inputs(const ScenePlan& plan) const;
    // Writes a make-style dependency file: `target` depends on `inputs`, so
    // the build composes a scene again only when something it reads changes.
    static bool writeDepfile(const std::string& path, const std::string& target, const std::vector<std::string>& inputs);

private:
    struct Placed {
        const ObjectKind* kind = nullptr;
        int type = 0;  // 0 goal candidate, 1 decoy
        int layer = 0;
        float x = 0, y = 0, angle = 0;
        Picture picture;
    };

    bool place(const ScenePlan& plan, const Placement& placement, int type, Layout* layout, std::mt19937* random,
               std::vector<Placed>* placed) const;
    bool writeItemFile(const ScenePlan& plan, const std::string& folder, const std::vector<Placed>& objects,
                       const std::vector<Picture>& foregrounds) const;
    bool writeMechanics(const ScenePlan& plan, const std::string& contentDir) const;
    static bool writePreview(const ScenePlan& plan, const Picture& background, const std::vector<Placed>& objects,
                             const std::vector<Picture>& foregrounds, const std::string& path);

    const ObjectLibrary& library_;
    const ArtRenderer& renderer_;
    Report report_;
};
