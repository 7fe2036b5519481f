# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual pages and --help name the same options and the same version, and the pages render
# without a warning:
# cmake -DQUARIMO=<program> -DVERSION=<version> -DPAGES=<page|page> [-DMAN=<man>] -P check_manpages.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${QUARIMO} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quarimo --help ended with status ${status}")
endif()
string(REGEX MATCHALL "--[a-z][-a-z]*" help_options "${help}")
list(REMOVE_DUPLICATES help_options)
list(SORT help_options)

string(REPLACE "|" ";" PAGES "${PAGES}")
foreach(page ${PAGES})
  file(READ ${page} text)
  # Options are written \-\-name in the page source.
  string(REGEX MATCHALL "\\\\-\\\\-[a-z][-a-z]*" page_options "${text}")
  list(TRANSFORM page_options REPLACE "\\\\" "")
  list(REMOVE_DUPLICATES page_options)
  list(SORT page_options)
  if(NOT page_options STREQUAL help_options)
    message(FATAL_ERROR "${page} names the options ${page_options}, quarimo --help names ${help_options}")
  endif()
  if(NOT text MATCHES "\n\\.TH QUARIMO 6 [^\n]* \"quarimo ${VERSION}\"")
    message(FATAL_ERROR "${page}: its .TH line does not name quarimo ${VERSION}")
  endif()
  if(MAN)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 ${MAN} --warnings -E UTF-8 -l ${page}
                    OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
      message(FATAL_ERROR "${page} does not render cleanly (status ${status}):\n${warnings}")
    endif()
  endif()
endforeach()
