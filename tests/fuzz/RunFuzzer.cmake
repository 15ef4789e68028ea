# Builds the save loader fuzzer with clang (sanitizers on) when a source is
# newer than the program, then runs it for FUZZ_SECONDS on a corpus seeded
# from tests/data/save. Called by the "fuzz" test: cmake -P RunFuzzer.cmake.
#   CLANGXX, CCACHE (may be empty), SOURCE_DIR, OUT_DIR, SEED_DIR, FUZZ_SECONDS
set(SOURCES
  engine/core/RandomSource.cpp
  engine/core/ContentPath.cpp
  engine/persistence/Buffer.cpp
  engine/persistence/SaveGame.cpp
  engine/persistence/FileSaveGame.cpp
  game/persistence/SceneState.cpp
  game/persistence/LocationEntry.cpp
  game/persistence/SessionRecord.cpp
  game/persistence/PlayerProfile.cpp
  game/persistence/PlayerProfiles.cpp
  game/persistence/GameSaveEntries.cpp
  game/scene/data/SceneIndex.cpp
  game/scene/data/SceneIndexEntry.cpp
  engine/core/XmlNumber.cpp
  game/story/pieces/PiecesFile.cpp
  tests/fuzz/SaveLoaderFuzz.cpp)
set(FLAGS -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
          -fno-omit-frame-pointer -I${SOURCE_DIR})

file(MAKE_DIRECTORY ${OUT_DIR}/obj ${OUT_DIR}/corpus)
set(PROGRAM ${OUT_DIR}/save_loader_fuzzer)
set(OBJECTS)
set(RELINK FALSE)
foreach(src ${SOURCES})
  string(REPLACE "/" "_" name ${src})
  set(obj ${OUT_DIR}/obj/${name}.o)
  list(APPEND OBJECTS ${obj})
  # Headers change too: rebuild every object when any persistence header is newer.
  file(GLOB HEADERS ${SOURCE_DIR}/engine/persistence/*.hpp ${SOURCE_DIR}/game/persistence/*.hpp
       ${SOURCE_DIR}/game/scene/data/SceneIndex*.hpp ${SOURCE_DIR}/game/story/pieces/PiecesFile.hpp)
  set(stale FALSE)
  foreach(dep ${SOURCE_DIR}/${src} ${HEADERS})
    if(NOT EXISTS ${obj} OR ${dep} IS_NEWER_THAN ${obj})
      set(stale TRUE)
    endif()
  endforeach()
  if(stale)
    execute_process(COMMAND ${CCACHE} ${CLANGXX} ${FLAGS} -c ${SOURCE_DIR}/${src} -o ${obj}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "compiling ${src} for the fuzzer failed")
    endif()
    set(RELINK TRUE)
  endif()
endforeach()
if(RELINK OR NOT EXISTS ${PROGRAM})
  execute_process(COMMAND ${CLANGXX} ${FLAGS} ${OBJECTS} -ltinyxml2 -o ${PROGRAM} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "linking the fuzzer failed")
  endif()
endif()

execute_process(COMMAND ${PROGRAM} -max_total_time=${FUZZ_SECONDS} -timeout=10 -rss_limit_mb=1024
                        -max_len=16384 -print_final_stats=1 -artifact_prefix=${OUT_DIR}/
                        ${OUT_DIR}/corpus ${SEED_DIR}
                WORKING_DIRECTORY ${OUT_DIR}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the save loader fuzzer found a problem (exit ${rc}); see the crash file in ${OUT_DIR}")
endif()
