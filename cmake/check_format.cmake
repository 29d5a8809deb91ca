# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DCLANG_FORMAT=<program> -DROOT=<source folder> -P check_format.cmake
# Fails when a C++ source or header of src/, tests/, perf/ or fuzz/ differs from what clang-format
# makes of it with the project's .clang-format. The style is that of clang-format 14 (the one
# scripts/setup.sh installs): without it the check is skipped, as another version may lay the
# same code out otherwise.
if(NOT CLANG_FORMAT OR NOT EXISTS "${CLANG_FORMAT}")
  message("clang-format 14 is not installed: the layout of the sources is not checked")
  return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version)
if(NOT version MATCHES "version 14\\.")
  message("clang-format 14 is not installed (${CLANG_FORMAT} is ${version}): "
          "the layout of the sources is not checked")
  return()
endif()
file(GLOB_RECURSE files ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp
     ${ROOT}/perf/*.h ${ROOT}/perf/*.cpp ${ROOT}/fuzz/*.h ${ROOT}/fuzz/*.cpp)
list(LENGTH files count)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result ERROR_VARIABLE diagnostics)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Sources laid out otherwise than clang-format would (clang-format -i "
                      "<file> lays them out):\n${diagnostics}")
endif()
message(STATUS "${count} sources laid out as clang-format 14 lays them out")
