#pragma once

// Told when the caption shown over an opening scene has faded.
class SceneIntroListener {
public:
    virtual ~SceneIntroListener() = default;
    virtual void sceneIntroEnded() = 0;
};
