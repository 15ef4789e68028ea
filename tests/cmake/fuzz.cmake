# Every target of tests/fuzz under libFuzzer, a few seconds each (label
# "fuzz"). The fuzz_build fixture configures and builds the clang fuzz tree
# (CHRONA_FUZZ) into build/fuzz/; scripts/fuzz runs the same targets longer.
find_program(CHRONA_CLANGXX NAMES clang++ clang++-14)
if(CHRONA_CLANGXX)
  set(FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
  add_test(NAME fuzz_build
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DFUZZ_DIR=${FUZZ_DIR}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/BuildFuzzers.cmake)
  set_tests_properties(fuzz_build PROPERTIES LABELS fuzz FIXTURES_SETUP fuzz_tree TIMEOUT 1800)

  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*Fuzz.cpp)
  foreach(source ${FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "Fuzz$" "" format ${name})
    add_test(NAME fuzz_${format}
      COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DCONTENT_DIR=${CHRONA_CONTENT_DIR}
              -DFUZZ_DIR=${FUZZ_DIR} -DNAME=${name} -DSECONDS=5
              -P ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/RunFuzzer.cmake)
    set_tests_properties(fuzz_${format} PROPERTIES LABELS fuzz FIXTURES_REQUIRED fuzz_tree TIMEOUT 120)
  endforeach()
else()
  message(WARNING "clang++ not found: the fuzz tests are not built (scripts/setup installs it)")
endif()
