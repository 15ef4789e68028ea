#pragma once

#include <string>

class SfxContainer;
class Sound;

// Plays the controls' interface sounds ("BUTTON_PRESS", "BUTTON_OVER", ...)
// by name through the sound-effect catalogue while its switch is on; with the
// switch off a control's own fallback sound, when it has one, plays instead.
// The catalogue is the process-wide one unless another is routed in, which is
// how tests listen to what the controls asked for.
class InterfaceSound {
public:
    static void play(const std::string& name, Sound* fallback = nullptr);
    // Null restores the process-wide catalogue.
    static void route(SfxContainer* container);
};
