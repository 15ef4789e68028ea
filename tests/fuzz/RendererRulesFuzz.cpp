// libFuzzer target: the item renderer rules, ItemRendererRules.xml.
// Seeds: content/config/scene/ItemRendererRules.xml tests/data/ItemRendererRules.xml tests/data/renderers*.xml
#include <cstdint>

#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ItemRendererFactory factory;
    factory.loadRules(FuzzInputFile::write(data, size, "ItemRendererRules.xml"));
    factory.rendererIdFor({1, 2, 0});
    return 0;
}
