#pragma once

// Marker base of shareable objects. Ownership is explicit: whoever created or
// adopted the object (usually a ResourceManager) deletes it.
class ReferenceCountable {
public:
    virtual ~ReferenceCountable() = default;
};
