# The engine never reaches into the game, the renderer never into the
# application, and the engine folders form no include cycle.
add_test(NAME layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckLayers.cmake)
set_tests_properties(layers PROPERTIES LABELS engine)
