// scenecompose scene PLACEMENT.xml LIBRARY.xml CONTENT_DIR [PREVIEW.png]
//   renders one scene and writes its item file, pictures, silhouettes and
//   mechanics file under CONTENT_DIR (and the whole scene as one picture).
// scenecompose rules LIBRARY.xml CONTENT_DIR PLACEMENT.xml...
//   writes the scene index and the shared item group and renderer rules.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/scenecompose/ArtRenderer.hpp"
#include "tools/scenecompose/ObjectLibrary.hpp"
#include "tools/scenecompose/SceneComposer.hpp"
#include "tools/scenecompose/ScenePlan.hpp"
#include "tools/scenecompose/SceneRules.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    ObjectLibrary library;
    if ((args.size() == 4 || args.size() == 5) && args[0] == "scene") {
        ArtRenderer renderer;
        ScenePlan plan;
        if (!plan.load(args[1]) || !library.load(args[2]) || !renderer.loadMaterials(library.materialsPath())) {
            return 1;
        }
        return SceneComposer(library, renderer).compose(plan, args[3], args.size() == 5 ? args[4] : "") ? 0 : 1;
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
    std::printf("usage: scenecompose scene PLACEMENT.xml LIBRARY.xml CONTENT_DIR [PREVIEW.png]\n"
                "       scenecompose rules LIBRARY.xml CONTENT_DIR PLACEMENT.xml...\n");
    return 2;
}
