# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFOLDERS="<folder>|<folder>..." -P check_pure_sources.cmake
# Fails when a source or header of one of the folders (not their subfolders) includes a Qt
# header: the pure libraries are plain C++.
string(REPLACE "|" ";" folders "${FOLDERS}")
set(scanned 0)
set(failures "")
foreach(folder ${folders})
  file(GLOB files ${folder}/*.h ${folder}/*.cpp)
  if(NOT files)
    string(APPEND failures "\n  ${folder}: no source at all")
  endif()
  foreach(file ${files})
    math(EXPR scanned "${scanned} + 1")
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|Qt)")
    foreach(line ${lines})
      string(APPEND failures "\n  ${file}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Qt headers in the pure libraries:${failures}")
endif()
message(STATUS "${scanned} files of the pure libraries include no Qt header")
