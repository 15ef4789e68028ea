#pragma once

// The process-wide shutting-down flag. The application raises it after it has
// closed the audio device; objects destroyed later skip the calls into audio
// and graphics libraries that are no longer there.
class ShutdownFlag {
public:
    static bool isSet();
    static void set(bool shuttingDown);
};
