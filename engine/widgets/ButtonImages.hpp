#pragma once

class Texture;

// The three pictures of an image button (none owned). A missing pointer-over
// or pressed picture falls back to the one below it (pressed -> over -> normal).
struct ButtonImages {
    Texture* normal = nullptr;
    Texture* over = nullptr;
    Texture* pressed = nullptr;

    Texture* forState(bool isPressed, bool isOver) const {
        Texture* overOrNormal = over != nullptr ? over : normal;
        if (isPressed) {
            return pressed != nullptr ? pressed : overOrNormal;
        }
        return isOver ? overOrNormal : normal;
    }
};
