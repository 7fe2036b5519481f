# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs quarimo with the arguments it knows and with ones it does not, without any display and
# with a screen that cannot be reached:
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

# No screen: said in German, nothing else printed, status 1 and no core dump.
set(no_screen "\nquarimo ist ein Fensterprogramm und braucht eine grafische Anzeige[^\n]*\n[^\n]*xvfb-run[^\n]*\n$")
expect(1 "^quarimo: Es konnte kein Bildschirm erreicht werden\\.${no_screen}")
expect(1 "^quarimo: Es konnte kein Bildschirm erreicht werden\\.${no_screen}" --vollbild)
expect(0 "^quarimo ${VERSION}\n$" --vollbild --version)
set(ENV{DISPLAY} ":97")
expect(1 "^quarimo: Der Bildschirm „:97“ ist nicht erreichbar\\.${no_screen}")
expect(0 "^quarimo ${VERSION}\n$" --version)
set(ENV{DISPLAY} "Müll")
expect(1 "^quarimo: Der Bildschirm „Müll“ ist nicht erreichbar\\.${no_screen}")

# A platform Qt cannot load is named, whichever the user chose; with an X display and a Wayland one
# that both fail, both are named (the Wayland library may say a word of its own first).
set(ENV{QT_QPA_PLATFORM} "nirgends")
expect(1 "^quarimo: Das Qt-Plattform-Plugin „nirgends“ ist nicht installiert\\.\nVorhanden sind: [^\n]*xcb[^\n]*\\.\nGewählt ist es mit QT_QPA_PLATFORM=nirgends;[^\n]*${no_screen}")
set(ENV{QT_QPA_PLATFORM} "wayland")
set(ENV{WAYLAND_DISPLAY} "quarimo-nirgends")
expect(1 "(^|\n)quarimo: (Die Wayland-Anzeige „quarimo-nirgends“ ist nicht erreichbar|Das Qt-Plattform-Plugin „wayland“ ist nicht installiert \\(Paket qt6-wayland\\))\\.\n")
unset(ENV{QT_QPA_PLATFORM})
set(ENV{DISPLAY} ":97")
expect(1 "(^|\n)quarimo: Der Bildschirm „:97“ ist nicht erreichbar\\.\nquarimo: (Die Wayland-Anzeige „quarimo-nirgends“ ist nicht erreichbar|Das Qt-Plattform-Plugin „wayland“ ist nicht installiert \\(Paket qt6-wayland\\))\\.\n")
