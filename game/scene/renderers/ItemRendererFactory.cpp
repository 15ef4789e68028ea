#include "game/scene/renderers/ItemRendererFactory.hpp"

#include <memory>

#include "engine/core/XmlFile.hpp"
#include "game/scene/renderers/AnimPlayerItemRenderer.hpp"
#include "game/scene/renderers/CollectableItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererOwner.hpp"
#include "game/scene/renderers/OverlayItemRenderer.hpp"

void ItemRendererFactory::registerCreator(int rendererId, Creator creator) {
    creators_[rendererId] = std::move(creator);
}

void ItemRendererFactory::registerStandardCreators(RandomSource& random) {
    const Creator collectable = [&random](ItemRendererOwner* owner, Item* item) -> ItemRenderer* {
        return new CollectableItemRenderer(owner, item, random);
    };
    registerCreator(Collectable, collectable);
    registerCreator(CollectableAlt, collectable);
    registerCreator(Overlay, [](ItemRendererOwner* owner, Item* item) -> ItemRenderer* {
        return new OverlayItemRenderer(owner, item);
    });
    registerCreator(AnimPlayer, [](ItemRendererOwner* owner, Item* item) -> ItemRenderer* {
        return new AnimPlayerItemRenderer(owner, item, owner->animationPlayer());
    });
}

bool ItemRendererFactory::loadRules(const std::string& path) {
    const XmlFile file(path, "ItemRendererRules");
    if (!file.root()) {
        return false;
    }
    for (const tinyxml2::XMLElement* e = file.root()->FirstChildElement("Rule"); e; e = e->NextSiblingElement("Rule")) {
        if (!e->Attribute("renderer")) {
            file.warn(e, "a Rule needs a renderer");
            continue;
        }
        ItemRendererRule rule;
        rule.renderer = XmlFile::number(e, "renderer");
        rule.input.groupId = XmlFile::number(e, "groupId", -1);
        rule.input.typeId = XmlFile::number(e, "typeId", -1);
        rule.input.type = XmlFile::number(e, "type", -1);
        rule.line = e->GetLineNum();
        rules_.push_back(rule);
    }
    return true;
}

int ItemRendererFactory::rendererIdFor(const ItemRendererFactoryInput& query) const {
    for (const ItemRendererRule& rule : rules_) {
        if (rule.input.matches(query)) {
            return rule.renderer;
        }
    }
    return -1;
}

ItemRenderer* ItemRendererFactory::create(const ItemRendererFactoryInput& query, ItemRendererOwner* owner,
                                          Item* item) const {
    auto creator = creators_.find(rendererIdFor(query));
    if (creator == creators_.end()) {
        return nullptr;
    }
    return creator->second(owner, item);
}
