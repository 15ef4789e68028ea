# The picture of a fixture scene is drawn with the baked fonts and panel art.
if(TARGET test_game_scene_gl)
  add_dependencies(test_game_scene_gl content)
endif()
