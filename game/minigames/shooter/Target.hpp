#pragma once

// One picture on its disc riding a target line. A hit picture drops 500
// pixels in 150 ms while it fades out over 1.5 s, and stays hit until the
// next round; a picture that has left its band is finished until it comes
// round again.
struct Target {
    static constexpr int FallDistance = 500;
    static constexpr int FallTime = 150;
    static constexpr int FadeTime = 1500;

    int id = 0;
    int line = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool finished = false;
    bool hit = false;
    bool hidden = false;
    int yOffset = 0;
    int alpha = 255;
    int sinceHit = -1;  // milliseconds since the hit, -1 before it

    // Starts the fall and the fade.
    void strike();
    // Advances the fall and the fade.
    void update(int milliseconds);
    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};
