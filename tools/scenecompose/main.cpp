// scenecompose scene PLACEMENT.xml LIBRARY.xml CONTENT_DIR [PREVIEW.png] [--depfile FILE TARGET]
//   renders one scene and writes its item file, pictures, silhouettes and
//   mechanics file under CONTENT_DIR (and the whole scene as one picture; and
//   the files it read as the dependencies of TARGET, for the build).
// scenecompose rules LIBRARY.xml CONTENT_DIR PLACEMENT.xml...
//   writes the scene index and the shared item group and renderer rules.
// scenecompose sheet OUT.png COLUMNS TILE_WIDTH PICTURE.png...
//   puts the pictures side by side at a small size, captioned with their names.
// scenecompose objects LIBRARY.xml OUT.png
//   draws every object of the library, captioned with its key.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/scenecompose/ArtRenderer.hpp"
#include "tools/scenecompose/ContactSheet.hpp"
#include "tools/scenecompose/ObjectLibrary.hpp"
#include "tools/scenecompose/SceneComposer.hpp"
#include "tools/scenecompose/ScenePlan.hpp"
#include "tools/scenecompose/SceneRules.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    ObjectLibrary library;
    if (args.size() >= 4 && args[0] == "scene") {
        std::vector<std::string> sceneArgs = args;
        std::string depfile;
        std::string target;
        const auto option = std::find(sceneArgs.begin(), sceneArgs.end(), "--depfile");
        if (option != sceneArgs.end()) {
            if (sceneArgs.end() - option != 3) {
                std::printf("scenecompose: --depfile takes FILE and TARGET, last\n");
                return 2;
            }
            depfile = option[1];
            target = option[2];
            sceneArgs.erase(option, sceneArgs.end());
        }
        if (sceneArgs.size() != 4 && sceneArgs.size() != 5) {
            std::printf("scenecompose: scene takes PLACEMENT.xml LIBRARY.xml CONTENT_DIR [PREVIEW.png]\n");
            return 2;
        }
        ArtRenderer renderer;
        ScenePlan plan;
        if (!plan.load(sceneArgs[1]) || !library.load(sceneArgs[2]) ||
            !renderer.loadMaterials(library.materialsPath())) {
            return 1;
        }
        SceneComposer composer(library, renderer);
        if (!composer.compose(plan, sceneArgs[3], sceneArgs.size() == 5 ? sceneArgs[4] : "")) {
            return 1;
        }
        const SceneComposer::Report& report = composer.report();
        std::printf("%s: %d objects (%d goal candidates, %d decoys), lowest goal visibility %.2f\n",
                    plan.fileName.c_str(), report.candidates + report.decoys, report.candidates, report.decoys,
                    report.lowestGoalShare);
        return depfile.empty() || SceneComposer::writeDepfile(depfile, target, composer.inputs(plan)) ? 0 : 1;
    }
    if (args.size() >= 3 && args[0] == "rules") {
        bool good = library.load(args[1]);
        std::vector<ScenePlan> plans;
        for (std::size_t i = 3; i < args.size(); ++i) {
            plans.emplace_back();
            good = plans.back().load(args[i]) && good;
        }
        const std::string config = args[2] + "/config/scene/";
        return good && SceneRules::writeIndex(plans, config + "sceneIndex.xml") &&
                       SceneRules::writeGroupRules(library, config + "ItemGroupRules.xml") &&
                       SceneRules::writeRendererRules(config + "ItemRendererRules.xml")
                   ? 0
                   : 1;
    }
    if (args.size() >= 5 && args[0] == "sheet") {
        ContactSheet sheet(std::atoi(args[2].c_str()), std::atoi(args[3].c_str()));
        for (std::size_t i = 4; i < args.size(); ++i) {
            const std::string file = std::filesystem::path(args[i]).filename().string();
            const std::string name = file.substr(0, file.find('.'));
            if (!sheet.add(SurfacePtr(cairo_image_surface_create_from_png(args[i].c_str())), name)) {
                std::printf("%s:1: cannot read the picture\n", args[i].c_str());
                return 1;
            }
        }
        return ArtRenderer::writePng(sheet.board(), args[1]) ? 0 : 1;
    }
    if (args.size() == 3 && args[0] == "objects") {
        ArtRenderer renderer;
        if (!library.load(args[1]) || !renderer.loadMaterials(library.materialsPath())) {
            return 1;
        }
        ContactSheet sheet(12, 96, 96);
        for (const auto& [key, kind] : library.kinds()) {
            Picture picture = renderer.renderObject(library.artPath(kind), kind.paint, 96, 0);
            if (!sheet.add(std::move(picture.surface), key)) {
                return 1;
            }
        }
        return ArtRenderer::writePng(sheet.board(), args[2]) ? 0 : 1;
    }
    std::printf("usage: scenecompose scene PLACEMENT.xml LIBRARY.xml CONTENT_DIR [PREVIEW.png] [--depfile FILE TARGET]\n"
                "       scenecompose rules LIBRARY.xml CONTENT_DIR PLACEMENT.xml...\n"
                "       scenecompose sheet OUT.png COLUMNS TILE_WIDTH PICTURE.png...\n"
                "       scenecompose objects LIBRARY.xml OUT.png\n");
    return 2;
}
