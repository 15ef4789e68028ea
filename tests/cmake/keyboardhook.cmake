# A shared library with the keyboard-hook exports, loaded by the hook tests.
add_library(fakekeyboardhook MODULE ${CMAKE_CURRENT_SOURCE_DIR}/data/keyboardhook/FakeKeyboardHook.cpp)
set_target_properties(fakekeyboardhook PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(test_engine_app fakekeyboardhook)
target_compile_definitions(test_engine_app PRIVATE
  CHRONA_FAKE_KEYBOARD_HOOK="$<TARGET_FILE:fakekeyboardhook>")
