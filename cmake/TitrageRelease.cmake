# SPDX-License-Identifier: GPL-3.0-or-later
# The release, read from the first entry of debian/changelog, the one home of the version and
# of the date: TITRAGE_RELEASE_VERSION (without an epoch or a Debian revision),
# TITRAGE_RELEASE_DATE (YYYY-MM-DD, for the metainfo) and TITRAGE_RELEASE_MONTH (the month
# and the year in French, for the manual page). The dates are the changelog's, never the
# build's, so that two builds of one release are the same.

set(_changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
file(STRINGS ${_changelog} _lines)

set(TITRAGE_RELEASE_VERSION "")
set(_trailer "")
foreach(_line IN LISTS _lines)
  if(NOT TITRAGE_RELEASE_VERSION AND _line MATCHES "^[a-z0-9.+-]+ \\(([0-9]+:)?([^)]+)\\)")
    set(TITRAGE_RELEASE_VERSION ${CMAKE_MATCH_2})
    string(REGEX REPLACE "-[^-]*$" "" TITRAGE_RELEASE_VERSION ${TITRAGE_RELEASE_VERSION})
  elseif(_line MATCHES "^ -- ")
    set(_trailer "${_line}")
    break()
  endif()
endforeach()
if(NOT TITRAGE_RELEASE_VERSION
   OR NOT _trailer MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: no version or no date in its first entry.")
endif()
set(_day ${CMAKE_MATCH_1})
set(_month ${CMAKE_MATCH_2})
set(_year ${CMAKE_MATCH_3})

set(_abbreviations Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(_french janvier février mars avril mai juin juillet août septembre octobre novembre décembre)
list(FIND _abbreviations ${_month} _index)
if(_index LESS 0)
  message(FATAL_ERROR "debian/changelog: unknown month ${_month}.")
endif()
math(EXPR _number "${_index} + 1")
string(LENGTH "${_day}" _length)
if(_length EQUAL 1)
  set(_day 0${_day})
endif()
if(_number LESS 10)
  set(_number 0${_number})
endif()
set(TITRAGE_RELEASE_DATE ${_year}-${_number}-${_day})
list(GET _french ${_index} _name)
set(TITRAGE_RELEASE_MONTH "${_name} ${_year}")
