# Files under assets/content/ are copied into build/content/ as they are
# (configuration, XML descriptions). Adding a file needs no change here.
file(GLOB_RECURSE STATIC_CONTENT RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/content
     CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/content/*)
foreach(rel ${STATIC_CONTENT})
  set(out ${CHRONA_CONTENT_DIR}/${rel})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_SOURCE_DIR}/content/${rel} ${out}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/content/${rel}
    COMMENT "content/${rel}" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${out})
endforeach()
