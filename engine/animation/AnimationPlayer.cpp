#include "engine/animation/AnimationPlayer.hpp"

#include <algorithm>

#include "engine/animation/Animation2D.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/resources/ResourceRegistry.hpp"
#include "engine/core/EngineContext.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/widgets/WidgetManager.hpp"

namespace {

// The properties of an image key frame, or null (after saying which
// attributes are missing) when one of the ten is absent.
KeyFramePropertiesImage* readImageFrame(const XmlFile& file, const tinyxml2::XMLElement* keyFrame) {
    if (!file.hasAll(keyFrame, {"x", "y", "z", "ScaleX", "ScaleY", "Angle", "Red", "Green", "Blue", "Alpha"},
                     "the key frame")) {
        return nullptr;
    }
    auto* image = new KeyFramePropertiesImage();
    image->x = XmlFile::real(keyFrame, "x");
    image->y = XmlFile::real(keyFrame, "y");
    image->z = XmlFile::real(keyFrame, "z");
    image->scaleX = XmlFile::real(keyFrame, "ScaleX");
    image->scaleY = XmlFile::real(keyFrame, "ScaleY");
    image->angle = -XmlFile::real(keyFrame, "Angle");
    image->red = XmlFile::number(keyFrame, "Red", 255);
    image->green = XmlFile::number(keyFrame, "Green", 255);
    image->blue = XmlFile::number(keyFrame, "Blue", 255);
    image->alpha = XmlFile::number(keyFrame, "Alpha", 255);
    return image;
}

}  // namespace

AnimationPlayer::AnimationPlayer(AnimationPlayerListener* listener, TextureFactory* textures)
    : listener_(listener),
      textures_(textures != nullptr ? textures : EngineContext::instance().textureFactory()),
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
    const XmlFile file(path, "Scene");
    const tinyxml2::XMLElement* scene = file.root();
    if (scene == nullptr) {
        return;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (const char* name = scene->Attribute("name")) {
        animation.setName(name);
    }
    animation.setLooping(XmlFile::number(scene, "loop", 0) != 0);
    animation.setLength(XmlFile::number(scene, "length", 0));
    if (const tinyxml2::XMLElement* screen = scene->FirstChildElement("Screen")) {
        animation.setGeometry(0, 0, XmlFile::number(screen, "Width", 0), XmlFile::number(screen, "Height", 0));
    }
    for (const tinyxml2::XMLElement* object = scene->FirstChildElement("Object"); object != nullptr;
         object = object->NextSiblingElement("Object")) {
        if (!file.hasAll(object, {"file"})) {
            continue;
        }
        const std::string image = XmlFile::text(object, "file");
        file.needsFile(object, folder + image, "the animation's image");
        auto element = std::make_unique<AnimationElement2D>(&animation, XmlFile::number(object, "type", 0), image);
        for (const tinyxml2::XMLElement* keyFrame = object->FirstChildElement("KeyFrame"); keyFrame != nullptr;
             keyFrame = keyFrame->NextSiblingElement("KeyFrame")) {
            const int timeStamp = XmlFile::number(keyFrame, "TimeStamp", -1);
            KeyFrameProperties* properties = nullptr;
            if (XmlFile::number(keyFrame, "Type", 0) == 0) {
                properties = readImageFrame(file, keyFrame);
                if (properties == nullptr) {
                    continue;
                }
            }
            const MathFunction* function = interpolator(XmlFile::number(keyFrame, "TypeInterpolator", 0));
            auto frame = std::make_unique<KeyFrame>(timeStamp, properties,
                                                    function != nullptr ? new MathFunction(*function) : nullptr);
            if (!element->addKeyFrame(std::move(frame))) {
                file.warn(keyFrame, "the object " + image + " has two key frames at " + std::to_string(timeStamp) +
                                        " ms; the second is skipped");
            }
        }
        animation.addElement(std::move(element));
    }
}

void AnimationPlayer::resolveTextures(Animation2D& animation, const std::string& folder) {
    for (const auto& element : animation.getElements()) {
        const std::string fullPath = folder + element->getFile();
        if (textures_ != nullptr) {
            element->setTexture(resources_->sharedTexture(fullPath, fullPath, *textures_, Texture::KeepNothing));
        }
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
