# The lost painting: tools/piececut cuts assets/painting/Lumora.svg into its 20
# pieces with their enlarged versions and Pieces.xml, and lays the empty frame
# (on the room assets/painting/Gallery.svg) that the pieces are placed into.
# Replacing the painting is replacing Lumora.svg.
set(PAINTING_SVG ${CMAKE_CURRENT_SOURCE_DIR}/painting/Lumora.svg)
set(PAINTING_ROOM_SVG ${CMAKE_CURRENT_SOURCE_DIR}/painting/Gallery.svg)
set(PIECES_XML ${CHRONA_CONTENT_DIR}/images/LumoraPieces/Pieces.xml)
add_custom_command(OUTPUT ${PIECES_XML} ${CHRONA_CONTENT_DIR}/images/LumoraPieces/LumoraBGEmpty.png
  COMMAND piececut ${PAINTING_SVG} ${PAINTING_ROOM_SVG} ${CHRONA_CONTENT_DIR}
  DEPENDS piececut ${PAINTING_SVG} ${PAINTING_ROOM_SVG}
  COMMENT "content/images/LumoraPieces (the painting cut into pieces)" VERBATIM)
list(APPEND CHRONA_CONTENT_OUTPUTS ${PIECES_XML} ${CHRONA_CONTENT_DIR}/images/LumoraPieces/LumoraBGEmpty.png)

# The map's location cards: tools/locationcards frames the present background
# of every location (assets/scenes/locationNN/present_background.svg, in
# location order) as LocationNN.png and its highlighted LocationNN_O.png.
file(GLOB LOCATION_BACKGROUNDS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenes/location*/present_background.svg)
list(SORT LOCATION_BACKGROUNDS)
set(LOCATION_CARDS ${CHRONA_CONTENT_DIR}/images/map/locations)
set(LOCATION_CARD_STAMP ${CMAKE_CURRENT_BINARY_DIR}/locationcards.done)
add_custom_command(OUTPUT ${LOCATION_CARD_STAMP}
  COMMAND locationcards ${LOCATION_CARDS} ${LOCATION_BACKGROUNDS}
  COMMAND ${CMAKE_COMMAND} -E touch ${LOCATION_CARD_STAMP}
  DEPENDS locationcards ${LOCATION_BACKGROUNDS}
  COMMENT "content/images/map/locations (the map's location cards)" VERBATIM)
list(APPEND CHRONA_CONTENT_OUTPUTS ${LOCATION_CARD_STAMP})
