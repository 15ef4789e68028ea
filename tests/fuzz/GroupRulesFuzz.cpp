// libFuzzer target: the item group rules, ItemGroupRules.xml.
// Seeds: content/config/scene/ItemGroupRules.xml tests/data/ItemGroupRules.xml tests/data/groups.xml
#include <cstdint>

#include "game/scene/data/ItemGroupRules.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ItemGroupRules rules;
    rules.load(FuzzInputFile::write(data, size, "ItemGroupRules.xml"));
    rules.groupFor(0, 1);
    rules.groupFor(1, 0);
    return 0;
}
