# The bakers' test programs link the bakers' libraries.
foreach(tool fontbake labelbake)
  if(TARGET test_tools_${tool} AND TARGET ${tool}_core)
    target_link_libraries(test_tools_${tool} PRIVATE ${tool}_core)
  endif()
endforeach()
# The font test also checks every font baked into the content.
if(TARGET test_tools_fontbake)
  add_dependencies(test_tools_fontbake content)
endif()
