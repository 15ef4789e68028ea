# The story-art bakers' tests link their core library and bake the shipped art.
if(TARGET test_tools_storyart)
  target_link_libraries(test_tools_storyart PRIVATE storyart_core)
endif()
