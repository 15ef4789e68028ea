# The save file loader under libFuzzer: built with clang and its sanitizers
# into build/fuzz by the test itself, then run for a minute (label "fuzz").
find_program(CHRONA_CLANGXX NAMES clang++ clang++-14)
if(CHRONA_CLANGXX)
  add_test(NAME fuzz_save_loader
    COMMAND ${CMAKE_COMMAND}
      -DCLANGXX=${CHRONA_CLANGXX}
      -DCCACHE=${CCACHE_PROGRAM}
      -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DOUT_DIR=${CMAKE_BINARY_DIR}/fuzz
      -DSEED_DIR=${CMAKE_CURRENT_SOURCE_DIR}/data/save
      -DFUZZ_SECONDS=60
      -P ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/RunFuzzer.cmake)
  set_tests_properties(fuzz_save_loader PROPERTIES LABELS fuzz TIMEOUT 400)
else()
  message(WARNING "clang++ not found: the save loader fuzz test is not built (scripts/setup installs it)")
endif()
