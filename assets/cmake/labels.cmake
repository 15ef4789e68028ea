# Bakes the label files (assets/labels/LANG.xml, written in UTF-8) into the
# game's single-byte character set: content/config/labels/LANG.xml. Adding a
# language is adding one file.
file(GLOB LABEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/labels/*.xml)
foreach(source ${LABEL_SOURCES})
  get_filename_component(language ${source} NAME)
  set(out ${CHRONA_CONTENT_DIR}/config/labels/${language})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CHRONA_CONTENT_DIR}/config/labels
    COMMAND labelbake ${source} ${out}
    DEPENDS labelbake ${source}
    COMMENT "content/config/labels/${language}" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${out})
endforeach()
