# Bakes every font listed in assets/fonts/fonts.txt into content/fonts/ with
# tools/fontbake. Adding a font is one line in that list.
set(CHRONA_FONT_FACES_DIR /usr/share/fonts CACHE PATH "Directory the font list's face paths are relative to")
set(FONT_LIST ${CMAKE_CURRENT_SOURCE_DIR}/fonts/fonts.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${FONT_LIST})
file(STRINGS ${FONT_LIST} FONT_LINES REGEX "^[^#]")
foreach(line ${FONT_LINES})
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(LENGTH fields count)
  if(count LESS 3)
    message(FATAL_ERROR "${FONT_LIST}: '${line}' needs NAME FACE PIXELS [OPTIONS]")
  endif()
  list(GET fields 0 name)
  list(GET fields 1 face)
  list(GET fields 2 pixels)
  set(options "")
  if(count GREATER 3)
    list(SUBLIST fields 3 -1 options)
  endif()
  set(out ${CHRONA_CONTENT_DIR}/fonts/${name}.fnt)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CHRONA_CONTENT_DIR}/fonts
    COMMAND fontbake ${CHRONA_FONT_FACES_DIR}/${face} ${pixels} ${out} ${options}
    DEPENDS fontbake ${CHRONA_FONT_FACES_DIR}/${face} ${FONT_LIST}
    COMMENT "content/fonts/${name}.fnt" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${out})
endforeach()
