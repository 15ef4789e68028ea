# The bots that play the game in this process: goalscript plays one scene and
# writes the script for it; autoplay plays the whole game to the credits.
file(GLOB PLAYBOT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/autoplay/*.cpp)
list(REMOVE_ITEM PLAYBOT_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/autoplay/main.cpp)
add_library(playbots STATIC ${PLAYBOT_SOURCES})
target_link_libraries(playbots PUBLIC testsupport game)
target_include_directories(playbots PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/autoplay)

add_executable(autoplay ${CMAKE_CURRENT_SOURCE_DIR}/autoplay/main.cpp)
target_link_libraries(autoplay PRIVATE playbots)
set_target_properties(autoplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# The minigame hands' test runs the bot through the binary.
if(TARGET test_tools_autoplay)
  add_dependencies(test_tools_autoplay autoplay content)
  target_compile_definitions(test_tools_autoplay PRIVATE CHRONA_AUTOPLAY="$<TARGET_FILE:autoplay>")
endif()
