// libFuzzer target: the game flow, GameFlow.xml.
// Seeds: content/config/GameFlow.xml tests/data/story/flow/*.xml
#include <cstdint>

#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/AnimationRequest.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/SceneRequest.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneIndex index;
    GameFlow flow;
    flow.load(FuzzInputFile::write(data, size, "GameFlow.xml"), index);
    for (const FlowEntry& entry : flow.entries()) {
        SceneRequest::read(entry.parameters);
        AnimationRequest::read(entry.parameters);
        DialogRequest::read(entry.parameters);
    }
    while (flow.position() < static_cast<int>(flow.entries().size())) {
        flow.nextScreen(true);
    }
    return 0;
}
