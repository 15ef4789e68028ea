#include "game/story/flow/AnimationRequest.hpp"

AnimationRequest AnimationRequest::read(const FlowParameters& parameters) {
    AnimationRequest request;
    request.configPath = parameters.text("configPath", request.configPath);
    request.subtitles = parameters.text("subtitles");
    request.music = parameters.number("music", request.music);
    return request;
}
