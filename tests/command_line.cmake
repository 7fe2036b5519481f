# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs quarimo with the arguments it knows and with ones it does not, without any display:
# cmake -DQUARIMO=<program> -DVERSION=<version> -P command_line.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect status output)
  execute_process(COMMAND ${QUARIMO} ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL status OR NOT "${out}${err}" MATCHES "${output}")
    message(FATAL_ERROR "quarimo ${ARGN}: exit status ${result}, printed:\n${out}${err}")
  endif()
endfunction()

expect(0 "^quarimo ${VERSION}\n$" --version)
expect(0 "^quarimo ${VERSION}\n\nAufruf: quarimo .*QUARIMO.INI" --help)
expect(0 "Aufruf: quarimo" --version --help)
expect(2 "^quarimo: unbekanntes Argument „--farbe“\n" --farbe)
expect(2 "unbekanntes Argument „-platform“" --help -platform offscreen)
