# goalscript plays a scene in this process and writes the input script that
# plays it to its end in the real game (used by the end-to-end tests).
file(GLOB GOALSCRIPT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/goalscript/*.cpp)
add_executable(goalscript ${GOALSCRIPT_SOURCES})
target_link_libraries(goalscript PRIVATE playbots)
target_include_directories(goalscript PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/goalscript)
set_target_properties(goalscript PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
