#pragma once

class ResourceManager;
class TextureFactory;

// The pictures of the map screens, loaded into a screen's resource manager
// under their keys: the two map views "MAP_BG_PRESENT" and "MAP_BG_PAST", the
// pins "MAP_PINPOINT" (green), "MAP_PINPOINT_RED", "MAP_PINPOINT_YELLOW", the
// check mark "MAP_CHECK_MARK_SMALL", the time switch "MAP_SWITCH_TIME_N" and
// "MAP_SWITCH_TIME_O". A missing picture is named in one line and left out.
namespace MapTextures {

void load(ResourceManager& resources, TextureFactory& textures);

}  // namespace MapTextures
