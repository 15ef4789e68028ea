# Tests that start the real game need the program and its baked content.
if(TARGET test_game_app_gl)
  add_dependencies(test_game_app_gl chrona content)
endif()
