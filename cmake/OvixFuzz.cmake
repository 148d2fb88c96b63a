# Fuzz targets.
#
# ovix_add_fuzz_target(NAME SOURCES ... LIBS ... [CORPUS DIR] [MAX_TIME SECONDS] [MAX_LEN BYTES])
#   SOURCES define LLVMFuzzerTestOneInput. CORPUS is the seed corpus (default:
#   tests/fuzz/corpus/NAME).
#   - In the fuzz tree (OVIX_FUZZ=ON, clang, sanitizers): builds the libFuzzer program NAME
#     and a ctest test labelled "fuzz" that runs it for MAX_TIME seconds (default 20) over a
#     working copy of the seeds. Crash inputs land in the build folder as NAME-crash-*.
#   - In every other tree: builds NAME_replay, a plain program that feeds each seed file to
#     the same LLVMFuzzerTestOneInput, as an ordinary test ("host"; "wine" in the Windows tree).
#   Tests run in a folder whose "error.lst" is discarded, since targets may trigger many
#   fatal reports (see tests/fuzz/fuzz_reports.h).

if(OVIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "OVIX_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # Coverage feedback for all code, and undefined behaviour that stops the fuzzer.
  add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined)
  add_custom_target(ovix_fuzz_targets)
endif()

set(OVIX_FUZZ_SUPPORT_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz)

function(ovix_add_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS;MAX_TIME;MAX_LEN" "SOURCES;LIBS" ${ARGN})
  if(NOT F_CORPUS)
    set(F_CORPUS ${OVIX_FUZZ_SUPPORT_DIR}/corpus/${name})
  endif()
  if(NOT F_MAX_TIME)
    set(F_MAX_TIME 20)
  endif()
  if(NOT F_MAX_LEN)
    set(F_MAX_LEN 4096)
  endif()

  # A run folder where the report log goes nowhere.
  set(run_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}_run)
  file(MAKE_DIRECTORY ${run_dir})
  if(NOT CMAKE_HOST_WIN32 AND NOT CMAKE_CROSSCOMPILING)
    file(CREATE_LINK /dev/null ${run_dir}/error.lst SYMBOLIC)
  endif()

  if(OVIX_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(ovix_fuzz_targets ${name})
    set(work_corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                     ${CMAKE_SOURCE_DIR}/scripts/run-fuzz-target $<TARGET_FILE:${name}>
                     ${work_corpus} ${F_CORPUS}
                     -max_total_time=${F_MAX_TIME} -max_len=${F_MAX_LEN} -timeout=10
                     -rss_limit_mb=2560 -print_final_stats=1
                     -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}-
             WORKING_DIRECTORY ${run_dir})
    math(EXPR timeout "${F_MAX_TIME} + 120")
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT ${timeout})
  else()
    add_executable(${name}_replay ${F_SOURCES} ${OVIX_FUZZ_SUPPORT_DIR}/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${F_LIBS})
    if(CMAKE_CROSSCOMPILING)
      add_test(NAME ${name}_replay
               COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${OVIX_WINE_PREFIX}
                       $<TARGET_FILE:${name}_replay> ${F_CORPUS}
               WORKING_DIRECTORY ${run_dir})
      set_tests_properties(${name}_replay PROPERTIES LABELS wine TIMEOUT 300)
    else()
      add_test(NAME ${name}_replay COMMAND ${name}_replay ${F_CORPUS}
               WORKING_DIRECTORY ${run_dir})
      set_tests_properties(${name}_replay PROPERTIES LABELS host TIMEOUT 120)
    endif()
  endif()
endfunction()
