# Runs one fuzz target for SECONDS and prints one line: the runs done and
# what was found. The seeds are the files named by the target's "// Seeds:"
# line: each word is a folder and a file pattern searched below it at any
# depth, "content/..." in the baked content, anything else in the sources.
# New inputs gather in FUZZ_DIR/NAME/corpus from run to run; a crash, leak or
# timeout input is kept in FUZZ_DIR/NAME/ and fails the run.
#   SOURCE_DIR, CONTENT_DIR, FUZZ_DIR, NAME, SECONDS
set(PROGRAM ${FUZZ_DIR}/${NAME})
set(WORK ${FUZZ_DIR}/${NAME}.run)
if(NOT EXISTS ${PROGRAM})
  message(FATAL_ERROR "${NAME}: ${PROGRAM} is not built")
endif()

file(STRINGS ${SOURCE_DIR}/tests/fuzz/${NAME}.cpp SEED_LINE REGEX "^// Seeds: ")
string(REGEX REPLACE "^// Seeds: " "" SEED_LINE "${SEED_LINE}")
separate_arguments(PATTERNS UNIX_COMMAND "${SEED_LINE}")
file(REMOVE_RECURSE ${WORK}/seeds)
file(MAKE_DIRECTORY ${WORK}/seeds ${WORK}/corpus)
set(SEED_COUNT 0)
foreach(pattern ${PATTERNS})
  if(pattern MATCHES "^content/(.*)")
    set(pattern ${CONTENT_DIR}/${CMAKE_MATCH_1})
  else()
    set(pattern ${SOURCE_DIR}/${pattern})
  endif()
  file(GLOB_RECURSE SEEDS ${pattern})
  foreach(seed ${SEEDS})
    math(EXPR SEED_COUNT "${SEED_COUNT} + 1")
    get_filename_component(seed_name ${seed} NAME)
    file(COPY_FILE ${seed} ${WORK}/seeds/${SEED_COUNT}_${seed_name})
  endforeach()
endforeach()
if(SEED_COUNT EQUAL 0)
  message(FATAL_ERROR "${NAME}: no seed file matches \"${SEED_LINE}\" (is the content baked in ${CONTENT_DIR}?)")
endif()

file(GLOB OLD_FINDINGS ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
if(OLD_FINDINGS)
  file(REMOVE ${OLD_FINDINGS})
endif()
execute_process(COMMAND ${PROGRAM} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
                        -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus ${WORK}/seeds
                WORKING_DIRECTORY ${WORK}
                OUTPUT_FILE ${WORK}/output.log ERROR_FILE ${WORK}/fuzzer.log
                RESULT_VARIABLE rc)
file(READ ${WORK}/fuzzer.log LOG)
set(RUNS "no")
if(LOG MATCHES "stat::number_of_executed_units: ([0-9]+)")
  set(RUNS ${CMAKE_MATCH_1})
elseif(LOG MATCHES "#([0-9]+)[ \t]+(DONE|INITED)")
  set(RUNS ${CMAKE_MATCH_1})
endif()
file(GLOB FINDINGS ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
if(rc EQUAL 0 AND NOT FINDINGS)
  message("${NAME}: ${RUNS} runs in ${SECONDS} s from ${SEED_COUNT} seeds, nothing found")
  return()
endif()
# The sanitizer's or libFuzzer's report, without the progress lines before it.
string(REGEX MATCH "[^\n]*(ERROR|runtime error|ALARM|Timeout)[^\n]*\n.*" REPORT "${LOG}")
message("${REPORT}")
if(FINDINGS)
  list(GET FINDINGS 0 FINDING)
  message(FATAL_ERROR "${NAME}: found a problem after ${RUNS} runs; the input is ${FINDING}\n"
                      "  reproduce: ${PROGRAM} ${FINDING}")
endif()
message(FATAL_ERROR "${NAME}: the fuzzer stopped with ${rc} after ${RUNS} runs; see ${WORK}/fuzzer.log")
