#include "game/story/flow/SceneRequest.hpp"

SceneRequest SceneRequest::read(const FlowParameters& parameters) {
    SceneRequest request;
    request.sceneId = parameters.number("sceneId", 0);
    request.configPath = parameters.text("configPath");
    request.itemRendererConf = parameters.text("itemRendererConf");
    request.mechanicsConf = parameters.text("mechanicsConf");
    request.itemGroupConf = parameters.text("itemGroupConf");
    return request;
}
