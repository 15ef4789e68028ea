# Configures and builds the fuzz tree (CHRONA_FUZZ) with clang into FUZZ_DIR.
# Called by the fuzz_build test and by scripts/fuzz: cmake -P BuildFuzzers.cmake.
#   SOURCE_DIR, FUZZ_DIR
find_program(CLANG NAMES clang clang-14 REQUIRED)
find_program(CLANGXX NAMES clang++ clang++-14 REQUIRED)
find_program(NINJA ninja)
set(GENERATOR)
if(NINJA)
  set(GENERATOR -G Ninja)
endif()
cmake_host_system_information(RESULT CORES QUERY NUMBER_OF_LOGICAL_CORES)

execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${FUZZ_DIR} ${GENERATOR} -DCHRONA_FUZZ=ON
                        -DCMAKE_C_COMPILER=${CLANG} -DCMAKE_CXX_COMPILER=${CLANGXX}
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the fuzz tree in ${FUZZ_DIR} failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${FUZZ_DIR} -j ${CORES} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the fuzz targets in ${FUZZ_DIR} failed")
endif()
