# The animation tests also walk every shipped animation.
if(TARGET test_engine_animation)
  add_dependencies(test_engine_animation content)
endif()
