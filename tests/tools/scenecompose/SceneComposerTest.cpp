#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/PictureFolder.hpp"
#include "support/PngImage.hpp"
#include "tools/scenecompose/ArtRenderer.hpp"
#include "tools/scenecompose/ObjectLibrary.hpp"
#include "tools/scenecompose/SceneComposer.hpp"
#include "tools/scenecompose/ScenePlan.hpp"
#include "tools/scenecompose/SceneRules.hpp"

namespace {

const std::string kData = std::string(CHRONA_TEST_DATA_DIR) + "/scenecompose/";

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ScenePicture {
    std::string name;
    int type = 0;
    int typeId = 0;
    int layer = 0;
    int order = 0;
    int x = 0;
    int y = 0;
    PngImage image;
};

// Reads an item file and its pictures the way the game draws them.
std::vector<ScenePicture> readScene(const std::string& folder, const std::string& file) {
    tinyxml2::XMLDocument document;
    EXPECT_EQ(document.LoadFile((folder + file).c_str()), tinyxml2::XML_SUCCESS);
    std::vector<ScenePicture> pictures;
    const tinyxml2::XMLElement* scene = document.FirstChildElement("Scene");
    for (const tinyxml2::XMLElement* e = scene ? scene->FirstChildElement("Item") : nullptr; e;
         e = e->NextSiblingElement("Item")) {
        ScenePicture p;
        p.name = e->Attribute("name");
        p.type = e->IntAttribute("type");
        p.typeId = e->IntAttribute("typeId");
        p.layer = e->IntAttribute("layer");
        p.order = static_cast<int>(pictures.size());
        p.x = static_cast<int>(e->FloatAttribute("x"));
        p.y = static_cast<int>(e->FloatAttribute("y"));
        EXPECT_TRUE(p.image.load(folder + e->Attribute("image"))) << e->Attribute("image");
        pictures.push_back(std::move(p));
    }
    return pictures;
}

// Share of a picture's opaque pixels that no later-drawn pixel (or panel) covers.
double visibleShare(const std::vector<ScenePicture>& all, const ScenePicture& p, int panelTop) {
    int opaque = 0;
    int visible = 0;
    for (int y = 0; y < p.image.height; ++y) {
        for (int x = 0; x < p.image.width; ++x) {
            if (p.image.pixel(x, y)[3] < 128) {
                continue;
            }
            ++opaque;
            const int sx = p.x + x;
            const int sy = p.y + y;
            bool covered = sy >= panelTop;
            for (const ScenePicture& q : all) {
                const bool above = q.layer != p.layer ? q.layer > p.layer : q.order > p.order;
                if (covered || !above || sx < q.x || sy < q.y || sx >= q.x + q.image.width ||
                    sy >= q.y + q.image.height) {
                    continue;
                }
                covered = q.image.pixel(sx - q.x, sy - q.y)[3] > 0;
            }
            visible += covered ? 0 : 1;
        }
    }
    return opaque ? static_cast<double>(visible) / opaque : 0.0;
}

struct Tools {
    ObjectLibrary library;
    ArtRenderer renderer;
    Tools() {
        EXPECT_TRUE(library.load(kData + "library.xml"));
        EXPECT_TRUE(renderer.loadMaterials(library.materialsPath()));
    }
};

// Writes OUT/NAME.xml: scene 101 on the grey test background, the root's
// extra attributes and the given elements; returns its path.
std::string writePlan(const PictureFolder& out, const std::string& name, const std::string& attributes,
                      const std::string& elements) {
    const std::string path = out.path(name + ".xml");
    std::ofstream(path) << "<ScenePlacement id=\"101\" folder=\"scenes/" << name << "/\" fileName=\"" << name << "\" "
                        << attributes << ">\n"
                        << "  <Background art=\"" << kData << "background.svg\"/>\n"
                        << elements << "</ScenePlacement>\n";
    return path;
}

// What loading a plan printed; the load must fail.
std::string refusal(const std::string& path) {
    ScenePlan plan;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(plan.load(path)) << path;
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(ScenePlan, ReadsThePlacementAndNamesTheMechanicsFile) {
    ScenePlan plan;
    ASSERT_TRUE(plan.load(kData + "tiny_present.xml"));
    EXPECT_EQ(plan.id, 103);
    EXPECT_EQ(plan.areas.size(), 2u);
    EXPECT_DOUBLE_EQ(plan.areas[1].scaleMax, 1.2);
    EXPECT_DOUBLE_EQ(plan.areas[1].angleMin, -30.0);
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].candidates[0].count, 3);
    EXPECT_EQ(plan.mechanicsFileName(), "mech_location03_present.xml");
    plan.id = 213;
    EXPECT_EQ(plan.mechanicsFileName(), "mech_location13_past.xml");
    plan.id = 200;
    EXPECT_EQ(plan.mechanicsFileName(), "mech_location00_past.xml");
}

TEST(SceneComposer, ReportsEveryFaultOfAPlanWithItsLine) {
    Tools tools;
    ScenePlan plan;
    ASSERT_TRUE(plan.load(kData + "broken_plan.xml"));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(SceneComposer(tools.library, tools.renderer).check(plan));
    const std::string said = testing::internal::GetCapturedStdout();
    const std::string file = kData + "broken_plan.xml:";
    EXPECT_NE(said.find(file + "6: unknown object NO_SUCH_THING"), std::string::npos) << said;
    EXPECT_NE(said.find(file + "7: RED_DISC is placed twice"), std::string::npos) << said;
    EXPECT_NE(said.find(file + "7: unknown area nowhere"), std::string::npos) << said;
    EXPECT_NE(said.find(file + "4: the step cannot make exactly 10 goals"), std::string::npos) << said;
    EXPECT_NE(said.find(file + "9: SQUARE is not a collection"), std::string::npos) << said;

    ScenePlan broken;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(broken.load(kData + "library.xml"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("library.xml:1: the root must be <ScenePlacement"),
              std::string::npos);
}

TEST(SceneComposer, ComposesAFindableSceneFromAPlacementFile) {
    Tools tools;
    ScenePlan plan;
    ASSERT_TRUE(plan.load(kData + "tiny_present.xml"));
    PictureFolder out;
    SceneComposer composer(tools.library, tools.renderer);
    ASSERT_TRUE(composer.compose(plan, out.path("a"), out.path("preview.png")));

    const std::string folder = out.path("a") + "/scenes/tiny/";
    const std::vector<ScenePicture> scene = readScene(folder, "tiny_present.xml");
    ASSERT_EQ(scene.size(), 8u);  // background, 3 pebbles, 2 discs, the square, the curtain
    EXPECT_EQ(scene.front().typeId, SceneComposer::BackgroundTypeId);
    EXPECT_EQ(scene.front().image.width, 1024);
    EXPECT_EQ(scene.back().typeId, SceneComposer::ForegroundTypeId);
    EXPECT_EQ(scene.back().image.width, 150);
    std::map<std::string, int> names;
    for (const ScenePicture& p : scene) {
        ++names[p.name];
        if (p.typeId >= 900) {
            continue;
        }
        EXPECT_EQ(p.type, p.name == "Square" ? 1 : 0) << p.name;
        EXPECT_GE(visibleShare(scene, p, 600), 0.5) << p.name;
        EXPECT_LE(p.x + p.image.width, 1024);
        // Pictures are scaled: a 40-pixel disc at scale 1 is about 38 pixels wide.
        if (p.name == "Red disc") {
            EXPECT_NEAR(p.image.width, 38, 3);
            EXPECT_GT(p.image.pixel(p.image.width / 2, p.image.height / 2)[0], 200);
            EXPECT_LT(p.image.pixel(p.image.width / 2, p.image.height / 2)[2], 50);
        }
    }
    EXPECT_EQ(names["Pebble"], 3);
    // The report counts the pieces and the least visible goal candidate.
    const SceneComposer::Report& report = composer.report();
    EXPECT_EQ(report.candidates, 5);
    EXPECT_EQ(report.decoys, 1);
    EXPECT_GE(report.lowestGoalShare, plan.minVisible);
    double lowest = 1;
    for (const ScenePicture& p : scene) {
        if (p.typeId < 900 && p.type == 0) {
            lowest = std::min(lowest, visibleShare(scene, p, 600));
        }
    }
    EXPECT_NEAR(report.lowestGoalShare, lowest, 0.05);
    // The pebbles are 20-pixel objects, drawn no smaller than the floor size
    // (their circle fills most of the canvas).
    for (const ScenePicture& p : scene) {
        if (p.name == "Pebble") {
            EXPECT_GE(p.image.width, SceneComposer::MinimumSize * 0.8);
        }
    }

    // Each object's silhouette has its shape in one flat colour.
    for (const std::string image : {"01_PEBBLE.png", "04_RED_DISC.png", "06_SQUARE.png"}) {
        PngImage picture;
        PngImage silhouette;
        ASSERT_TRUE(picture.load(folder + image)) << image;
        ASSERT_TRUE(silhouette.load(folder + "silhouettes/" + image)) << image;
        ASSERT_EQ(silhouette.width, picture.width);
        ASSERT_EQ(silhouette.height, picture.height);
        const int cx = picture.width / 2;
        const int cy = picture.height / 2;
        EXPECT_EQ(silhouette.pixel(cx, cy)[3], picture.pixel(cx, cy)[3]);
        EXPECT_EQ(silhouette.pixel(cx, cy)[0], SceneComposer::SilhouetteRed);
        EXPECT_EQ(silhouette.pixel(0, 0)[3], picture.pixel(0, 0)[3]);
    }

    tinyxml2::XMLDocument mechanics;
    ASSERT_EQ(mechanics.LoadFile((out.path("a") + "/config/scene/mech_location03_present.xml").c_str()),
              tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* group = mechanics.FirstChildElement("SceneMechanics")->FirstChildElement("CollectGroup");
    ASSERT_NE(group, nullptr);
    EXPECT_STREQ(group->Attribute("identifier"), "COUNT_STACK_GOAL_RENDERER");
    const tinyxml2::XMLElement* collection = group->FirstChildElement("Collect");
    EXPECT_STREQ(collection->Attribute("typeId"), "201");
    EXPECT_STREQ(collection->Attribute("pick"), "first");
    const tinyxml2::XMLElement* singles = collection->NextSiblingElement("Collect");
    ASSERT_NE(singles, nullptr);
    EXPECT_STREQ(singles->Attribute("typeId"), "1,2");
    EXPECT_EQ(singles->IntAttribute("count"), 1);  // 4 goals: 3 pebbles and one disc
    EXPECT_STREQ(singles->Attribute("pick"), "random");

    PngImage preview;
    ASSERT_TRUE(preview.load(out.path("preview.png")));
    EXPECT_EQ(preview.width, 1024);

    // The same seed gives the same scene.
    ASSERT_TRUE(SceneComposer(tools.library, tools.renderer).compose(plan, out.path("b")));
    EXPECT_EQ(readAll(folder + "tiny_present.xml"), readAll(out.path("b") + "/scenes/tiny/tiny_present.xml"));
}

TEST(SceneComposer, RefusesAPlacementWithNoRoomLeft) {
    Tools tools;
    PictureFolder out;
    writePlan(out, "full", "seed=\"3\"",
              "  <Reserved x=\"0\" y=\"500\" width=\"1024\" height=\"268\"/>\n"
              "  <Area name=\"under\" x=\"100\" y=\"600\" width=\"100\" height=\"100\"/>\n"
              "  <Step identifier=\"X\" goals=\"1\">\n"
              "    <Place object=\"RED_DISC\"/>\n"
              "  </Step>\n");
    ScenePlan plan;
    ASSERT_TRUE(plan.load(out.path("full.xml")));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(SceneComposer(tools.library, tools.renderer).compose(plan, out.path("c")));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("full.xml:6: no room for RED_DISC"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.path("c") + "/scenes/full")) << "a refused scene writes nothing";
}

TEST(SceneComposer, ObjectsTakeOnTheSceneLightAndCastShadowsOnTheBackground) {
    Tools tools;
    PictureFolder out;
    // The same plan twice, with and without light and shadow: the same seed
    // puts the disc at the same spot.
    const auto write = [&](const std::string& name, const std::string& extra) {
        writePlan(out, name, "seed=\"5\" " + extra,
                  "  <Area name=\"middle\" x=\"400\" y=\"300\" width=\"100\" height=\"100\"/>\n"
                  "  <Step identifier=\"X\" goals=\"1\">\n"
                  "    <Place object=\"RED_DISC\"/>\n"
                  "  </Step>\n");
        ScenePlan plan;
        EXPECT_TRUE(plan.load(out.path(name + ".xml")));
        EXPECT_TRUE(SceneComposer(tools.library, tools.renderer).compose(plan, out.path(name)));
        return readScene(out.path(name) + "/scenes/" + name + "/", name + ".xml");
    };
    const std::vector<ScenePicture> lit = write("lit", "shadow=\"0.8\" light=\"#0000ff,0.5\"");
    const std::vector<ScenePicture> plain = write("plain", "shadow=\"0\"");
    ASSERT_EQ(lit.size(), 2u);
    ASSERT_EQ(plain.size(), 2u);
    const ScenePicture& disc = lit[1];
    ASSERT_EQ(disc.x, plain[1].x);
    ASSERT_EQ(disc.y, plain[1].y);

    // A blue light halves the red of the red disc and keeps its shape.
    const int cx = disc.image.width / 2;
    const int cy = disc.image.height / 2;
    EXPECT_NEAR(disc.image.pixel(cx, cy)[0], plain[1].image.pixel(cx, cy)[0] / 2, 3);
    EXPECT_EQ(disc.image.pixel(cx, cy)[3], plain[1].image.pixel(cx, cy)[3]);
    EXPECT_EQ(disc.image.pixel(0, 0)[3], plain[1].image.pixel(0, 0)[3]);

    // Just below the disc the background is in shadow; far away it is not.
    const PngImage& shaded = lit[0].image;
    const PngImage& bare = plain[0].image;
    const int below = disc.y + disc.image.height + 1;
    EXPECT_LT(shaded.pixel(disc.x + cx + 2, below)[1] + 20, bare.pixel(disc.x + cx + 2, below)[1]);
    EXPECT_EQ(shaded.pixel(disc.x + cx, disc.y - 20)[1], bare.pixel(disc.x + cx, disc.y - 20)[1]);
    EXPECT_EQ(shaded.pixel(10, 10)[1], 0x80);

    // A light without its strength is refused with the line.
    const std::string bad =
        writePlan(out, "bad", "light=\"#ffffff\"", "  <Area name=\"a\" x=\"0\" y=\"0\" width=\"9\" height=\"9\"/>\n");
    EXPECT_NE(refusal(bad).find("bad.xml:1: light must be written"), std::string::npos);
}

TEST(SceneComposer, AnAreaOfWeightZeroTakesOnlyTheObjectsThatNameIt) {
    Tools tools;
    PictureFolder out;
    writePlan(out, "named", "seed=\"9\"",
              "  <Area name=\"shelf\" x=\"100\" y=\"100\" width=\"300\" height=\"40\"/>\n"
              "  <Area name=\"hook\" x=\"700\" y=\"400\" width=\"20\" height=\"20\" weight=\"0\"/>\n"
              "  <Step identifier=\"X\" goals=\"5\">\n"
              "    <Place object=\"PEBBLE\" count=\"3\"/>\n"
              "    <Place object=\"BLUE_DISC\"/>\n"
              "    <Place object=\"RED_DISC\" area=\"hook\"/>\n"
              "  </Step>\n");
    ScenePlan plan;
    ASSERT_TRUE(plan.load(out.path("named.xml")));
    ASSERT_TRUE(SceneComposer(tools.library, tools.renderer).compose(plan, out.path("n")));
    for (const ScenePicture& p : readScene(out.path("n") + "/scenes/named/", "named.xml")) {
        if (p.typeId >= 900) {
            continue;
        }
        const int cx = p.x + p.image.width / 2;
        const int cy = p.y + p.image.height / 2;
        if (p.name == "Red disc") {
            EXPECT_NEAR(cx, 710, 12);
            EXPECT_NEAR(cy, 410, 12);
        } else {
            EXPECT_LT(cx, 420) << p.name;
            EXPECT_LT(cy, 160) << p.name;
        }
    }

    // With no area open to unnamed objects the plan is refused.
    const std::string closed =
        writePlan(out, "closed", "", "  <Area name=\"hook\" x=\"0\" y=\"0\" width=\"9\" height=\"9\" weight=\"0\"/>\n");
    EXPECT_NE(refusal(closed).find("closed.xml:1: some Area needs a weight above 0"), std::string::npos);
}

TEST(SceneComposer, ListsTheFilesASceneReadsForTheBuild) {
    Tools tools;
    ScenePlan plan;
    ASSERT_TRUE(plan.load(kData + "tiny_present.xml"));
    const std::vector<std::string> inputs = SceneComposer(tools.library, tools.renderer).inputs(plan);
    // The plan, the paints, the background, the curtain, and the two object
    // pictures (the discs and pebbles share one): each once.
    EXPECT_EQ(inputs, (std::vector<std::string>{kData + "art/disc.svg", kData + "art/square.svg",
                                                kData + "background.svg", kData + "curtain.svg",
                                                kData + "materials.svg", kData + "tiny_present.xml"}));

    PictureFolder out;
    ASSERT_TRUE(SceneComposer::writeDepfile(out.path("scene.d"), "/b/my scene.composed", {"/a/x.svg", "/a/y z.svg"}));
    EXPECT_EQ(readAll(out.path("scene.d")), "/b/my\\ scene.composed: \\\n  /a/x.svg \\\n  /a/y\\ z.svg\n");
}

TEST(SceneRules, IndexAndGroupRulesCoverEveryPlanAndObject) {
    Tools tools;
    std::vector<ScenePlan> plans(2);
    ASSERT_TRUE(plans[0].load(kData + "tiny_present.xml"));
    plans[1] = plans[0];
    plans[0].id = 203;
    plans[0].fileName = "tiny_past";
    PictureFolder out;
    ASSERT_TRUE(SceneRules::writeIndex(plans, out.path("index.xml")));
    ASSERT_TRUE(SceneRules::writeGroupRules(tools.library, out.path("groups.xml")));

    tinyxml2::XMLDocument index;
    ASSERT_EQ(index.LoadFile(out.path("index.xml").c_str()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* first = index.FirstChildElement("Indexes")->FirstChildElement("Index");
    EXPECT_EQ(first->IntAttribute("id"), 103);
    EXPECT_STREQ(first->Attribute("path"), "content/scenes/tiny/");
    EXPECT_EQ(first->NextSiblingElement("Index")->IntAttribute("id"), 203);

    tinyxml2::XMLDocument groups;
    ASSERT_EQ(groups.LoadFile(out.path("groups.xml").c_str()), tinyxml2::XML_SUCCESS);
    std::map<std::pair<int, int>, int> table;
    for (const tinyxml2::XMLElement* r = groups.FirstChildElement("ItemGroupRules")->FirstChildElement("Rule"); r;
         r = r->NextSiblingElement("Rule")) {
        table[{r->IntAttribute("type"), r->IntAttribute("typeId")}] = r->IntAttribute("groupId");
    }
    EXPECT_EQ(table.size(), 2u + 2u * tools.library.kinds().size());
    EXPECT_EQ((table[{0, 201}]), 1);
    EXPECT_EQ((table[{1, 3}]), 4);
    EXPECT_EQ((table[{1, SceneComposer::BackgroundTypeId}]), 6);
    EXPECT_EQ((table[{1, SceneComposer::ForegroundTypeId}]), 5);
}
