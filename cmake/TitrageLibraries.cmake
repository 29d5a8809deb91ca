# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries of the program and the layers they form.
#
# Every library includes the headers of another one as "<its folder>/<header>.h" (for example
# "model/catalogue.h"), and finds them only if it links that library: each library has an
# include folder of its own in the build tree, holding links to its public headers under the
# folder's path from src/, and that folder is all it gives its clients. Nothing sees src/ as a
# whole, so a header of a library that is not linked, a layer above for instance, is simply
# not found and the build stops there. A header that a library keeps to itself lies beside its
# sources, out of the list of its public headers, and its sources include it by its bare name.
#
# A pure library (PURE) is plain C++: it may link only other pure libraries, which the
# configuration checks, and the test Layers.PureSourcesIncludeNoQt reads its sources for Qt
# headers.

# Our own code is held to -Wall -Wextra. The developer and sanitizer presets (and so the
# continuous integration) turn its warnings into errors through CMAKE_COMPILE_WARNING_AS_ERROR;
# a plain build never does, since another compiler may warn where ours does not.
function(titrage_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# Qt's meta-object compiler runs only for the targets that declare QObjects.
function(titrage_automoc target)
  foreach(file ${ARGN})
    file(STRINGS ${file} _qobject REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE")
    if(_qobject)
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
      return()
    endif()
  endforeach()
endfunction()

# titrage_library(<name> [PURE] [SOURCES <file>...] [HEADERS <file>...])
# A static library of the current source folder: by default every .cpp of the folder, and
# every .h as a public header.
function(titrage_library name)
  cmake_parse_arguments(L "PURE" "" "SOURCES;HEADERS" ${ARGN})
  if(NOT L_SOURCES)
    file(GLOB L_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  if(NOT L_HEADERS)
    file(GLOB L_HEADERS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_library(${name} STATIC ${L_SOURCES})

  file(RELATIVE_PATH _folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(_include ${CMAKE_BINARY_DIR}/include/${name})
  # Made afresh at every configuration, so that a header no longer public is gone.
  file(REMOVE_RECURSE ${_include})
  file(MAKE_DIRECTORY ${_include}/${_folder})
  foreach(_header ${L_HEADERS})
    get_filename_component(_path ${_header} ABSOLUTE)
    get_filename_component(_file ${_header} NAME)
    file(CREATE_LINK ${_path} ${_include}/${_folder}/${_file} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${_include}>)

  titrage_warnings(${name})
  titrage_automoc(${name} ${L_SOURCES} ${L_HEADERS})
  if(L_PURE)
    set_property(GLOBAL APPEND PROPERTY TITRAGE_PURE_LIBRARIES ${name})
  endif()
endfunction()

# After every library is declared: a pure library links pure libraries only, and the test
# Layers.PureSourcesIncludeNoQt reads every source and header of the folders of the pure
# libraries.
function(titrage_check_layers)
  get_property(_pure GLOBAL PROPERTY TITRAGE_PURE_LIBRARIES)
  set(_folders)
  foreach(_library ${_pure})
    get_target_property(_links ${_library} LINK_LIBRARIES)
    foreach(_link ${_links})
      if(_link AND NOT _link IN_LIST _pure)
        message(FATAL_ERROR "The pure library ${_library} links ${_link}, which is not pure.")
      endif()
    endforeach()
    get_target_property(_folder ${_library} SOURCE_DIR)
    list(APPEND _folders ${_folder})
  endforeach()
  list(JOIN _folders "|" _folders)
  if(TITRAGE_TESTS)
    add_test(NAME Layers.PureSourcesIncludeNoQt
             COMMAND ${CMAKE_COMMAND} -DFOLDERS=${_folders}
                     -P ${PROJECT_SOURCE_DIR}/cmake/check_pure_sources.cmake)
  endif()
endfunction()
