# Test helpers shared by every module.
#
#   drovik_host_test(NAME src...)  - a GoogleTest program of the portable core, host tree only
#   drovik_win_test(NAME src...)   - a GoogleTest program over the Win32 layer, Windows tree only;
#                                    ctest runs it under Wine (see scripts/wine-run)
#
# Each program is one ctest entry; its cases are listed by GoogleTest's own output.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(drovik_host_test name)
  if(NOT DROVIK_WINDOWS)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE drovik_core GTest::gtest_main)
    target_precompile_headers(${name} REUSE_FROM drovik_host_test_pch)
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()

function(drovik_win_test name)
  if(DROVIK_WINDOWS)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE drovik_win GTest::gtest_main)
    target_precompile_headers(${name} REUSE_FROM drovik_win_test_pch)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()
