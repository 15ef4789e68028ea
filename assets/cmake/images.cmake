# Every assets/art/**/NAME.svg becomes build/content/**/NAME.png, rendered by
# svgbake at the SVG's own width and height: adding a picture is adding one
# SVG file.
file(GLOB_RECURSE ART_SVGS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/art
     CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/art/*.svg)
foreach(rel ${ART_SVGS})
  set(src ${CMAKE_CURRENT_SOURCE_DIR}/art/${rel})
  string(REGEX REPLACE "\\.svg$" ".png" png ${rel})
  set(out ${CHRONA_CONTENT_DIR}/${png})
  add_custom_command(OUTPUT ${out}
    COMMAND svgbake ${src} ${out}
    DEPENDS svgbake ${src}
    COMMENT "content/${png}" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${out})
endforeach()
