# Test helpers shared by every subsystem.
#
# ovix_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...] [DISPLAY])
#   Builds a GoogleTest program. In the host build each test case becomes a ctest test
#   labelled "host". In the Windows build the whole program is one ctest test run under
#   Wine (one Wine start per program, not per case) and labelled "wine" plus LABELS;
#   DISPLAY asks the Wine wrapper for an X display (gui and e2e tests).

if(CMAKE_CROSSCOMPILING)
  if(NOT TARGET gtest)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  set(OVIX_GTEST_LIBS gtest gmock)
  set(OVIX_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${OVIX_WINE_PREFIX})
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  set(OVIX_GTEST_LIBS GTest::gtest GTest::gmock)
endif()

add_library(ovix_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(ovix_test_main PUBLIC ${OVIX_GTEST_LIBS})

function(ovix_add_gtest name)
  cmake_parse_arguments(T "DISPLAY" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ovix_test_main)
  if(CMAKE_CROSSCOMPILING)
    set(wrapper_args)
    if(T_DISPLAY)
      set(wrapper_args --display)
    endif()
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${OVIX_WINE_PREFIX}
                     ${wrapper_args} $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES LABELS "wine;${T_LABELS}" TIMEOUT 300)
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES LABELS "host;${T_LABELS}" TIMEOUT 120
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
