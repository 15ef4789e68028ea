#include "game/story/flow/DialogRequest.hpp"

std::optional<DialogRequest> DialogRequest::read(const FlowParameters& parameters) {
    if (!parameters.has("fileName")) {
        return std::nullopt;
    }
    DialogRequest request;
    request.fileName = parameters.text("fileName");
    request.musicId = parameters.number("musicId", -1);
    request.loopMusic = parameters.number("loopMusic", -1);
    request.noPushOnLeave = parameters.flag("noPushOnLeave");
    request.justPlayAnimation = parameters.flag("justPlayAnimation");
    return request;
}

FlowParameters DialogRequest::parameters() const {
    FlowParameters result;
    result.set("fileName", fileName);
    result.set("musicId", musicId);
    result.set("loopMusic", loopMusic);
    result.set("noPushOnLeave", noPushOnLeave ? 1 : 0);
    result.set("justPlayAnimation", justPlayAnimation ? 1 : 0);
    return result;
}
