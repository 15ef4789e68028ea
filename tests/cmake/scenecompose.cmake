# The scene composer's tests link its core library and compose scenes from
# the pictures in tests/data/scenecompose.
if(TARGET test_tools_scenecompose)
  target_link_libraries(test_tools_scenecompose PRIVATE scenecompose_core)
endif()
