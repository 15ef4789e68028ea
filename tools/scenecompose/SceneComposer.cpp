#include "tools/scenecompose/SceneComposer.hpp"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace {

constexpr int CanvasWidth = 1024;
constexpr int CanvasHeight = 768;
// Each scale and angle drawn is tried at this many spots before the next.
constexpr int SpotsPerPose = 40;
constexpr int Poses = 25;

bool isCollection(int typeId) { return typeId >= 201 && typeId <= 299; }

bool fault(const std::string& file, int line, const std::string& what) {
    std::printf("%s:%d: %s\n", file.c_str(), line, what.c_str());
    return false;
}

bool save(tinyxml2::XMLDocument& document, const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (document.SaveFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        return fault(path, 1, "cannot write the file");
    }
    return true;
}

}  // namespace

bool SceneComposer::check(const ScenePlan& plan) const {
    bool good = true;
    std::set<std::string> used;
    std::set<std::string> areas;
    for (const PlacementArea& area : plan.areas) {
        areas.insert(area.name);
    }
    const auto checkPlacement = [&](const Placement& p) -> const ObjectKind* {
        const ObjectKind* kind = library_.find(p.object);
        if (!kind) {
            good = fault(plan.path, p.line, "unknown object " + p.object);
        } else if (!used.insert(p.object).second) {
            good = fault(plan.path, p.line, p.object + " is placed twice in this scene");
        } else if (p.count > 1 && !isCollection(kind->typeId)) {
            good = fault(plan.path, p.line, p.object + " is not a collection (typeId 201..299) but count is above 1");
        }
        if (!p.area.empty() && !areas.count(p.area)) {
            good = fault(plan.path, p.line, "unknown area " + p.area);
        }
        return kind;
    };
    for (const GoalStep& step : plan.steps) {
        int collected = 0;
        int singles = 0;
        for (const Placement& p : step.candidates) {
            if (const ObjectKind* kind = checkPlacement(p)) {
                (isCollection(kind->typeId) ? collected : singles) += isCollection(kind->typeId) ? p.count : 1;
            }
        }
        if (collected > step.goals || collected + singles < step.goals) {
            good = fault(plan.path, step.line,
                         "the step cannot make exactly " + std::to_string(step.goals) + " goals from " +
                             std::to_string(collected) + " collected and " + std::to_string(singles) + " single objects");
        }
    }
    for (const Placement& p : plan.decoys) {
        checkPlacement(p);
    }
    return good;
}

std::vector<std::string> SceneComposer::inputs(const ScenePlan& plan) const {
    std::set<std::string> files{plan.path, library_.materialsPath(), plan.artPath(plan.background)};
    for (const ForegroundPiece& piece : plan.foregrounds) {
        files.insert(plan.artPath(piece.art));
    }
    const auto addObject = [&](const Placement& p) {
        if (const ObjectKind* kind = library_.find(p.object)) {
            files.insert(library_.artPath(*kind));
        }
    };
    for (const GoalStep& step : plan.steps) {
        std::for_each(step.candidates.begin(), step.candidates.end(), addObject);
    }
    std::for_each(plan.decoys.begin(), plan.decoys.end(), addObject);
    return {files.begin(), files.end()};
}

bool SceneComposer::writeDepfile(const std::string& path, const std::string& target,
                                 const std::vector<std::string>& inputs) {
    const auto escaped = [](const std::string& file) {
        std::string out;
        for (char c : file) {
            out += c == ' ' ? std::string("\\ ") : std::string(1, c);
        }
        return out;
    };
    std::string text = escaped(target) + ":";
    for (const std::string& input : inputs) {
        text += " \\\n  " + escaped(input);
    }
    text += "\n";
    std::FILE* file = std::fopen(path.c_str(), "w");
    const bool written = file && std::fputs(text.c_str(), file) >= 0;
    if (file) {
        std::fclose(file);
    }
    return written || fault(path, 1, "cannot write the dependency file");
}

bool SceneComposer::place(const ScenePlan& plan, const Placement& placement, int type, Layout* layout,
                          std::mt19937* random, std::vector<Placed>* placed) const {
    const ObjectKind& kind = *library_.find(placement.object);
    std::vector<const PlacementArea*> choices;
    std::vector<double> weights;
    for (const PlacementArea& area : plan.areas) {
        if (placement.area.empty() || placement.area == area.name) {
            choices.push_back(&area);
            weights.push_back(placement.area.empty() ? area.weight : 1.0);
        }
    }
    std::discrete_distribution<std::size_t> pickArea(weights.begin(), weights.end());
    for (int copy = 0; copy < placement.count; ++copy) {
        bool done = false;
        for (int pose = 0; pose < Poses && !done; ++pose) {
            const PlacementArea& area = *choices[pickArea(*random)];
            const double scale = std::uniform_real_distribution<double>(area.scaleMin, area.scaleMax)(*random);
            const double angle = std::uniform_real_distribution<double>(area.angleMin, area.angleMax)(*random);
            const double size = std::max<double>(MinimumSize, kind.size * scale);
            Picture picture = renderer_.renderObject(library_.artPath(kind), kind.paint, size, angle);
            if (!picture.surface) {
                return false;
            }
            Drawable drawable;
            drawable.mask = ArtRenderer::mask(picture);
            drawable.layer = area.layer;
            drawable.order = static_cast<int>(placed->size()) + 1;
            drawable.findable = true;
            for (int spot = 0; spot < SpotsPerPose && !done; ++spot) {
                const int cx = area.x + std::uniform_int_distribution<int>(0, area.width - 1)(*random);
                const int cy = area.y + std::uniform_int_distribution<int>(0, area.height - 1)(*random);
                drawable.x = cx + picture.x;
                drawable.y = cy + picture.y;
                if (drawable.x < 0 || drawable.y < 0 || drawable.x + picture.width() > CanvasWidth ||
                    drawable.y + picture.height() > CanvasHeight || !layout->tryAdd(drawable)) {
                    continue;
                }
                Placed item;
                item.kind = &kind;
                item.type = type;
                item.layer = area.layer;
                item.x = static_cast<float>(drawable.x);
                item.y = static_cast<float>(drawable.y);
                item.angle = static_cast<float>(angle);
                item.picture = std::move(picture);
                placed->push_back(std::move(item));
                done = true;
            }
        }
        if (!done) {
            return fault(plan.path, placement.line,
                         "no room for " + placement.object + " that keeps every object visible enough");
        }
    }
    return true;
}

bool SceneComposer::compose(const ScenePlan& plan, const std::string& contentDir, const std::string& previewPath) {
    if (!check(plan)) {
        return false;
    }
    const std::string folder = contentDir + "/" + plan.folder;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::mt19937 random(plan.seed);
    Layout layout(plan.minVisible);
    for (const ReservedRect& rect : plan.reserved) {
        layout.reserve(rect.x, rect.y, rect.width, rect.height);
    }

    Picture background = renderer_.renderCanvas(plan.artPath(plan.background), CanvasWidth, CanvasHeight, false);
    if (!background.surface) {
        return false;
    }
    std::vector<Picture> foregrounds;
    for (std::size_t i = 0; i < plan.foregrounds.size(); ++i) {
        Picture piece = renderer_.renderCanvas(plan.artPath(plan.foregrounds[i].art), CanvasWidth, CanvasHeight, true);
        if (!piece.surface) {
            return false;
        }
        Drawable drawable;
        drawable.mask = ArtRenderer::mask(piece);
        drawable.x = piece.x;
        drawable.y = piece.y;
        drawable.layer = plan.foregrounds[i].layer;
        drawable.order = 100000 + static_cast<int>(i);
        layout.tryAdd(drawable);
        foregrounds.push_back(std::move(piece));
    }

    std::vector<Placed> objects;
    for (const GoalStep& step : plan.steps) {
        for (const Placement& placement : step.candidates) {
            if (!place(plan, placement, 0, &layout, &random, &objects)) {
                return false;
            }
        }
    }
    for (const Placement& placement : plan.decoys) {
        if (!place(plan, placement, 1, &layout, &random, &objects)) {
            return false;
        }
    }
    report_ = Report();
    std::size_t findable = 0;
    for (std::size_t i = 0; i < layout.drawables().size(); ++i) {
        if (layout.drawables()[i].findable) {
            const bool goal = objects[findable++].type == 0;
            (goal ? report_.candidates : report_.decoys) += 1;
            report_.lowestGoalShare = goal ? std::min(report_.lowestGoalShare, layout.visibleShare(i))
                                           : report_.lowestGoalShare;
        }
    }
    // Every object lies in the scene's light and casts its shadow on the
    // background (never part of the object: it would be clickable and show in
    // the silhouette).
    for (Placed& object : objects) {
        ArtRenderer::tint(&object.picture, plan.lightRed, plan.lightGreen, plan.lightBlue, plan.lightStrength);
        ArtRenderer::castShadow(&background, object.picture, static_cast<int>(object.x), static_cast<int>(object.y),
                                plan.shadow);
    }
    return ArtRenderer::writePng(background, folder + "Background.png") &&
           writeItemFile(plan, folder, objects, foregrounds) && writeMechanics(plan, contentDir) &&
           (previewPath.empty() || writePreview(plan, background, objects, foregrounds, previewPath));
}

bool SceneComposer::writePreview(const ScenePlan& plan, const Picture& background, const std::vector<Placed>& objects,
                                 const std::vector<Picture>& foregrounds, const std::string& path) {
    struct Layer {
        const Picture* picture;
        int layer;
        int order;
    };
    std::vector<Layer> layers;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        layers.push_back({&objects[i].picture, objects[i].layer, static_cast<int>(i)});
    }
    for (std::size_t i = 0; i < foregrounds.size(); ++i) {
        layers.push_back({&foregrounds[i], plan.foregrounds[i].layer, static_cast<int>(objects.size() + i)});
    }
    std::stable_sort(layers.begin(), layers.end(), [](const Layer& a, const Layer& b) {
        return a.layer != b.layer ? a.layer < b.layer : a.order < b.order;
    });
    Picture preview;
    preview.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, CanvasWidth, CanvasHeight));
    cairo_t* cr = cairo_create(preview.surface.get());
    cairo_set_source_surface(cr, background.surface.get(), 0, 0);
    cairo_paint(cr);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const bool isObject = layers[i].order < static_cast<int>(objects.size());
        const Placed* object = isObject ? &objects[static_cast<std::size_t>(layers[i].order)] : nullptr;
        const double x = object ? object->x : layers[i].picture->x;
        const double y = object ? object->y : layers[i].picture->y;
        cairo_set_source_surface(cr, layers[i].picture->surface.get(), x, y);
        cairo_paint(cr);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    for (const ReservedRect& rect : plan.reserved) {
        cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    }
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_mark_dirty(preview.surface.get());
    return ArtRenderer::writePng(preview, path);
}

bool SceneComposer::writeItemFile(const ScenePlan& plan, const std::string& folder, const std::vector<Placed>& objects,
                                  const std::vector<Picture>& foregrounds) const {
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewDeclaration());
    tinyxml2::XMLElement* scene = document.NewElement("Scene");
    document.InsertEndChild(scene);
    tinyxml2::XMLElement* screen = scene->InsertNewChildElement("Screen");
    screen->SetAttribute("width", CanvasWidth);
    screen->SetAttribute("height", CanvasHeight);
    screen->SetAttribute("xOffset", 0);
    screen->SetAttribute("yOffset", 0);
    const auto addItem = [scene](const std::string& name, const std::string& image, int layer, float x, float y,
                                 float angle, int type, int typeId) {
        tinyxml2::XMLElement* item = scene->InsertNewChildElement("Item");
        item->SetAttribute("name", name.c_str());
        item->SetAttribute("image", image.c_str());
        item->SetAttribute("layer", layer);
        item->SetAttribute("majorGroupID", 0);
        item->SetAttribute("minorGroupID", 0);
        item->SetAttribute("x", x);
        item->SetAttribute("y", y);
        item->SetAttribute("angle", angle);
        for (const char* channel : {"R", "G", "B", "A"}) {
            item->SetAttribute(channel, 255);
        }
        item->SetAttribute("type", type);
        item->SetAttribute("infoTip", "");
        item->SetAttribute("typeId", typeId);
    };
    addItem("BACKGROUND", "Background.png", 0, 0, 0, 0, 1, BackgroundTypeId);
    bool good = true;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const Placed& object = objects[i];
        char image[128];
        std::snprintf(image, sizeof(image), "%02zu_%s.png", i + 1, object.kind->key.c_str());
        good = ArtRenderer::writePng(object.picture, folder + image) &&
               ArtRenderer::writeSilhouette(object.picture, folder + "silhouettes/" + image, SilhouetteRed,
                                            SilhouetteGreen, SilhouetteBlue) &&
               good;
        addItem(object.kind->name, image, object.layer, object.x, object.y, object.angle, object.type, object.kind->typeId);
    }
    for (std::size_t i = 0; i < foregrounds.size(); ++i) {
        const std::string image = "Foreground" + std::to_string(i + 1) + ".png";
        good = ArtRenderer::writePng(foregrounds[i], folder + image) && good;
        addItem("FOREGROUND", image, plan.foregrounds[i].layer, static_cast<float>(foregrounds[i].x),
                static_cast<float>(foregrounds[i].y), 0, 1, ForegroundTypeId);
    }
    return good && save(document, folder + plan.fileName + ".xml");
}

bool SceneComposer::writeMechanics(const ScenePlan& plan, const std::string& contentDir) const {
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewDeclaration());
    tinyxml2::XMLElement* root = document.NewElement("SceneMechanics");
    document.InsertEndChild(root);
    for (const GoalStep& step : plan.steps) {
        tinyxml2::XMLElement* group = root->InsertNewChildElement("CollectGroup");
        group->SetAttribute("identifier", step.identifier.c_str());
        int singlesWanted = step.goals;
        std::string singles;
        for (const Placement& p : step.candidates) {
            const ObjectKind& kind = *library_.find(p.object);
            if (isCollection(kind.typeId)) {
                // One representative brings the whole collection along.
                tinyxml2::XMLElement* collect = group->InsertNewChildElement("Collect");
                collect->SetAttribute("name", kind.key.c_str());
                collect->SetAttribute("typeId", kind.typeId);
                collect->SetAttribute("count", 1);
                collect->SetAttribute("pick", "first");
                singlesWanted -= p.count;
            } else {
                singles += (singles.empty() ? "" : ",") + std::to_string(kind.typeId);
            }
        }
        if (singlesWanted > 0) {
            tinyxml2::XMLElement* collect = group->InsertNewChildElement("Collect");
            collect->SetAttribute("name", "OBJECTS");
            collect->SetAttribute("typeId", singles.c_str());
            collect->SetAttribute("count", singlesWanted);
            collect->SetAttribute("pick", "random");
        }
    }
    return save(document, contentDir + "/config/scene/" + plan.mechanicsFileName());
}
