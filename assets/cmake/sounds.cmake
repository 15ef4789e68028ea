# Sound effects and music are synthesised by tools/sfxsynth: the effects and
# their catalogue in one step, each piece of music in a step of its own so
# that they bake in parallel.
set(SFX_CATALOGUE ${CHRONA_CONTENT_DIR}/config/sfx.xml)
add_custom_command(OUTPUT ${SFX_CATALOGUE}
  COMMAND sfxsynth effects ${CHRONA_CONTENT_DIR}
  DEPENDS sfxsynth
  COMMENT "content/sfx (synthesised effects)" VERBATIM)
list(APPEND CHRONA_CONTENT_OUTPUTS ${SFX_CATALOGUE})

set(MUSIC_CATALOGUE ${CHRONA_CONTENT_DIR}/config/scene/music.xml)
add_custom_command(OUTPUT ${MUSIC_CATALOGUE}
  COMMAND sfxsynth music-catalogue ${CHRONA_CONTENT_DIR}
  DEPENDS sfxsynth
  COMMENT "content/config/scene/music.xml" VERBATIM)
list(APPEND CHRONA_CONTENT_OUTPUTS ${MUSIC_CATALOGUE})

foreach(track MainTheme Story Atelier Clockwork Memories Hearth Passage)
  set(out ${CHRONA_CONTENT_DIR}/music/${track}.ogg)
  add_custom_command(OUTPUT ${out}
    COMMAND sfxsynth track ${track} ${CHRONA_CONTENT_DIR}
    DEPENDS sfxsynth
    COMMENT "content/music/${track}.ogg (synthesised)" VERBATIM)
  list(APPEND CHRONA_CONTENT_OUTPUTS ${out})
endforeach()
