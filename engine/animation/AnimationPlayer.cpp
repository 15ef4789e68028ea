#include "engine/animation/AnimationPlayer.hpp"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/animation/Animation2D.hpp"
#include "engine/resources/ResourceRegistry.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/widgets/WidgetManager.hpp"

namespace {

const char* const kImageAttributes[] = {"x", "y", "z", "ScaleX", "ScaleY", "Angle", "Red", "Green", "Blue", "Alpha"};

int intAttribute(const tinyxml2::XMLElement* element, const char* name, int absent) {
    const char* text = element->Attribute(name);
    return text != nullptr ? std::atoi(text) : absent;
}

float floatAttribute(const tinyxml2::XMLElement* element, const char* name) {
    return static_cast<float>(std::atof(element->Attribute(name)));
}

// The properties of an image key frame, or null (after saying which
// attribute is missing) when one of the ten is absent.
KeyFramePropertiesImage* readImageFrame(const tinyxml2::XMLElement* keyFrame, const std::string& path,
                                        const std::string& object, int timeStamp) {
    for (const char* name : kImageAttributes) {
        if (keyFrame->Attribute(name) == nullptr) {
            std::printf("animation %s: key frame %d of object %s has no attribute %s; key frame skipped\n",
                        path.c_str(), timeStamp, object.c_str(), name);
            return nullptr;
        }
    }
    auto* image = new KeyFramePropertiesImage();
    image->x = floatAttribute(keyFrame, "x");
    image->y = floatAttribute(keyFrame, "y");
    image->z = floatAttribute(keyFrame, "z");
    image->scaleX = floatAttribute(keyFrame, "ScaleX");
    image->scaleY = floatAttribute(keyFrame, "ScaleY");
    image->angle = -floatAttribute(keyFrame, "Angle");
    image->red = intAttribute(keyFrame, "Red", 255);
    image->green = intAttribute(keyFrame, "Green", 255);
    image->blue = intAttribute(keyFrame, "Blue", 255);
    image->alpha = intAttribute(keyFrame, "Alpha", 255);
    return image;
}

}  // namespace

AnimationPlayer::AnimationPlayer(AnimationPlayerListener* listener, TextureFactory* textures)
    : listener_(listener),
      ownFactory_(textures == nullptr ? std::make_unique<GLTextureFactory>() : nullptr),
      textures_(textures != nullptr ? textures : ownFactory_.get()),
      resources_(std::make_unique<ResourceManager>()) {
    interpolators_.emplace_back(
        std::make_unique<MathFunction>(new MathFunctionPropertyLinear(0.6f),
                                       new CustomFunctor<AnimationPlayer, float, float, MathFunctionProperty*>(
                                           this, &AnimationPlayer::linear)),
        0);
    // The application reloads the textures of registered managers when the
    // OpenGL context is re-created.
    ResourceRegistry::instance().add(resources_.get());
}

AnimationPlayer::~AnimationPlayer() {
    ResourceRegistry::instance().remove(resources_.get());
    for (auto& [id, animation] : animations_) {
        if (WidgetManager* manager = animation->getManager()) {
            manager->remove(animation.get());
        }
    }
}

float AnimationPlayer::linear(float t, MathFunctionProperty* property) const {
    return static_cast<MathFunctionPropertyLinear*>(property)->value * t;
}

const MathFunction* AnimationPlayer::interpolator(int type) const {
    for (const auto& [function, registeredType] : interpolators_) {
        if (registeredType == type) {
            return function.get();
        }
    }
    return nullptr;
}

Animation2D* AnimationPlayer::loadAnimation(const std::string& path, int id) {
    deleteRetired();
    if (Animation2D* loaded = getAnimation(id)) {
        return loaded;
    }
    auto animation = std::make_unique<Animation2D>(id, this);
    parse(path, *animation);
    const std::size_t slash = path.rfind('/');
    resolveTextures(*animation, slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    animation->sortByDepth();
    Animation2D* result = animation.get();
    animations_[id] = std::move(animation);
    return result;
}

void AnimationPlayer::parse(const std::string& path, Animation2D& animation) const {
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("animation %s: cannot be read: %s\n", path.c_str(), document.ErrorStr());
        return;
    }
    const tinyxml2::XMLElement* scene = document.FirstChildElement("Scene");
    if (scene == nullptr) {
        std::printf("animation %s: no Scene element\n", path.c_str());
        return;
    }
    if (const char* name = scene->Attribute("name")) {
        animation.setName(name);
    }
    animation.setLooping(intAttribute(scene, "loop", 0) != 0);
    animation.setLength(intAttribute(scene, "length", 0));
    if (const tinyxml2::XMLElement* screen = scene->FirstChildElement("Screen")) {
        animation.setGeometry(0, 0, intAttribute(screen, "Width", 0), intAttribute(screen, "Height", 0));
    }
    for (const tinyxml2::XMLElement* object = scene->FirstChildElement("Object"); object != nullptr;
         object = object->NextSiblingElement("Object")) {
        const char* file = object->Attribute("file");
        if (file == nullptr) {
            std::printf("animation %s: an Object has no file attribute; object skipped\n", path.c_str());
            continue;
        }
        auto element = std::make_unique<AnimationElement2D>(&animation, intAttribute(object, "type", 0), file);
        for (const tinyxml2::XMLElement* keyFrame = object->FirstChildElement("KeyFrame"); keyFrame != nullptr;
             keyFrame = keyFrame->NextSiblingElement("KeyFrame")) {
            const int timeStamp = intAttribute(keyFrame, "TimeStamp", -1);
            KeyFrameProperties* properties = nullptr;
            if (intAttribute(keyFrame, "Type", 0) == 0) {
                properties = readImageFrame(keyFrame, path, file, timeStamp);
                if (properties == nullptr) {
                    continue;
                }
            }
            const MathFunction* function = interpolator(intAttribute(keyFrame, "TypeInterpolator", 0));
            auto frame = std::make_unique<KeyFrame>(timeStamp, properties,
                                                    function != nullptr ? new MathFunction(*function) : nullptr);
            if (!element->addKeyFrame(std::move(frame))) {
                std::printf("animation %s: object %s has two key frames at %d ms; the second is skipped\n",
                            path.c_str(), file, timeStamp);
            }
        }
        animation.addElement(std::move(element));
    }
}

void AnimationPlayer::resolveTextures(Animation2D& animation, const std::string& folder) {
    for (const auto& element : animation.getElements()) {
        const std::string fullPath = folder + element->getFile();
        element->setTexture(resources_->sharedTexture(fullPath, fullPath, *textures_, Texture::KeepNothing));
    }
}

void AnimationPlayer::playAnimation(int id, int depthOffset, int x, int y, WidgetManager* manager) {
    deleteRetired();
    Animation2D* animation = getAnimation(id);
    if (animation == nullptr) {
        return;
    }
    if (!animation->isPlaying()) {
        animation->play(depthOffset);
    }
    if (manager != nullptr) {
        if (animation->getManager() != manager) {
            if (WidgetManager* previous = animation->getManager()) {
                previous->remove(animation);
            }
            manager->add(animation);
        }
        animation->setPosition(x, y);
    }
}

void AnimationPlayer::stopAnimation(int id) {
    if (Animation2D* animation = getAnimation(id)) {
        animation->stop();
    }
}

void AnimationPlayer::pauseAnimation(int id, bool paused) {
    if (Animation2D* animation = getAnimation(id)) {
        animation->setPaused(paused);
    }
}

void AnimationPlayer::setPosition(int id, int x, int y) {
    if (Animation2D* animation = getAnimation(id)) {
        animation->setPosition(x, y);
    }
}

bool AnimationPlayer::isPlaying(int id) const {
    const Animation2D* animation = getAnimation(id);
    return animation != nullptr && animation->isPlaying();
}

void AnimationPlayer::removeAnimation(int id) {
    const auto found = animations_.find(id);
    if (found == animations_.end()) {
        return;
    }
    std::unique_ptr<Animation2D> animation = std::move(found->second);
    animations_.erase(found);
    if (WidgetManager* manager = animation->getManager()) {
        manager->remove(animation.get());
    }
    if (animation->isUpdating()) {
        animation->stop();
        retired_.push_back(std::move(animation));
    }
}

Animation2D* AnimationPlayer::getAnimation(int id) const {
    const auto found = animations_.find(id);
    return found != animations_.end() ? found->second.get() : nullptr;
}

void AnimationPlayer::animationFinished(int id) {
    if (listener_ != nullptr) {
        listener_->animationFinished(id);
    }
}

void AnimationPlayer::deleteRetired() {
    retired_.erase(std::remove_if(retired_.begin(), retired_.end(),
                                  [](const auto& animation) { return !animation->isUpdating(); }),
                   retired_.end());
}
