# Fuzz targets of the parsers that read untrusted input.
#
#   drovik_fuzz_target(NAME CORPUS dir SOURCES src... [LIBRARIES lib...])
#
# Host tree: NAME_corpus_replay runs the target once on every file of the seed corpus (seeds and
# past findings) under the host tree's sanitizers, as the ctest entry NAME_corpus_replay.
# Fuzz tree (DROVIK_FUZZ, clang): NAME_fuzzer is the libFuzzer program; scripts/fuzz NAME runs it
# and reads the seed directory from fuzz-seeds/NAME in the build tree.
function(drovik_fuzz_target name)
  if(DROVIK_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "CORPUS" "SOURCES;LIBRARIES")
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/${arg_CORPUS})
  set(libraries drovik_core ${arg_LIBRARIES})

  add_executable(${name}_corpus_replay ${CMAKE_SOURCE_DIR}/fuzz/corpus_replay.cpp ${arg_SOURCES})
  target_link_libraries(${name}_corpus_replay PRIVATE ${libraries})
  add_test(NAME ${name}_corpus_replay COMMAND ${name}_corpus_replay ${corpus})

  if(DROVIK_FUZZ)
    add_executable(${name}_fuzzer ${arg_SOURCES})
    target_link_libraries(${name}_fuzzer PRIVATE ${libraries})
    target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
    file(WRITE ${CMAKE_BINARY_DIR}/fuzz-seeds/${name} "${corpus}\n")
  endif()
endfunction()
