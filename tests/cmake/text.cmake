# The bakers' test programs link the bakers' libraries.
foreach(tool fontbake labelbake)
  if(TARGET test_tools_${tool} AND TARGET ${tool}_core)
    target_link_libraries(test_tools_${tool} PRIVATE ${tool}_core)
  endif()
endforeach()
# The font and label tests also check the baked fonts and labels.
foreach(program test_tools_fontbake test_engine_text test_engine_text_gl)
  if(TARGET ${program})
    add_dependencies(${program} content)
  endif()
endforeach()
