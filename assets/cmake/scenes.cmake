# Hidden-object scenes: every assets/scenes/NAME.xml placement description is
# composed by scenecompose into its item file, pictures, silhouettes and
# mechanics file; the scene index and the shared item rules follow from the
# object library and all placement descriptions. Adding a scene is adding a
# placement file (and its art under assets/scenes/).
file(GLOB SCENE_PLANS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenes/*.xml)
set(OBJECT_LIBRARY ${CMAKE_CURRENT_SOURCE_DIR}/objects/library.xml)

# Each scene depends on the files it reads (its plan, its own art, the
# pictures of the objects it places, the shared paints): scenecompose lists
# them in a dependency file, so changing one picture composes again only the
# scenes that use it. The scenes are independent steps the build runs side by side.
foreach(plan ${SCENE_PLANS})
  get_filename_component(name ${plan} NAME_WE)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/scenes/${name}.composed)
  add_custom_command(OUTPUT ${stamp}
    COMMAND scenecompose scene ${plan} ${OBJECT_LIBRARY} ${CHRONA_CONTENT_DIR}
            ${CMAKE_CURRENT_BINARY_DIR}/scenes/${name}.preview.png --depfile ${stamp}.d ${stamp}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS scenecompose ${plan} ${OBJECT_LIBRARY}
    DEPFILE ${stamp}.d
    COMMENT "scene ${name}" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${stamp})
endforeach()

set(SCENE_CONFIG ${CHRONA_CONTENT_DIR}/config/scene)
add_custom_command(
  OUTPUT ${SCENE_CONFIG}/sceneIndex.xml ${SCENE_CONFIG}/ItemGroupRules.xml ${SCENE_CONFIG}/ItemRendererRules.xml
  COMMAND scenecompose rules ${OBJECT_LIBRARY} ${CHRONA_CONTENT_DIR} ${SCENE_PLANS}
  DEPENDS scenecompose ${OBJECT_LIBRARY} ${SCENE_PLANS}
  COMMENT "content/config/scene: index and item rules" VERBATIM)
list(APPEND CHRONA_CONTENT_OUTPUTS
  ${SCENE_CONFIG}/sceneIndex.xml ${SCENE_CONFIG}/ItemGroupRules.xml ${SCENE_CONFIG}/ItemRendererRules.xml)
