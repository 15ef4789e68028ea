#include "game/scene/renderers/ItemRendererFactory.hpp"

#include <iostream>
#include <memory>

#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "game/scene/renderers/AnimPlayerItemRenderer.hpp"
#include "game/scene/renderers/CollectableItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererOwner.hpp"
#include "game/scene/renderers/OverlayItemRenderer.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {
int optionalInt(const tinyxml2::XMLElement* element, const char* name) {
    const char* text = element->Attribute(name);
    return text ? XmlNumber::leadingInt(text) : -1;
}
}  // namespace

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
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "item renderer rules " << path << ": cannot be read (" << document.ErrorStr() << ")\n";
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("ItemRendererRules");
    if (!root) {
        std::cout << "item renderer rules " << path << ": no ItemRendererRules element\n";
        return false;
    }
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("Rule"); e; e = e->NextSiblingElement("Rule")) {
        const char* renderer = e->Attribute("renderer");
        if (!renderer) {
            continue;
        }
        ItemRendererRule rule;
        rule.renderer = XmlNumber::leadingInt(renderer);
        rule.input.groupId = optionalInt(e, "groupId");
        rule.input.typeId = optionalInt(e, "typeId");
        rule.input.type = optionalInt(e, "type");
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
