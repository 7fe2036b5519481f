// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// Qt's accessibility bridge and platform theme ask for the D-Bus session bus on the event thread
// and wait for it without a time limit. Where no bus is named, libdbus "autolaunches" one through
// dbus-launch and the X server, which may never come back; a named bus may not answer either.
// Before the application is made, the program looks at the bus itself, with a time limit, and
// where none answers it tells libdbus that there is none: the start never waits for it.
void leaveSilentSessionBusAlone();

// The socket libdbus would use for the session bus, from DBUS_SESSION_BUS_ADDRESS, or from
// $XDG_RUNTIME_DIR/bus where none is named: "unix:path=…" or "unix:abstract=…" with the escapes
// undone; empty when libdbus would autolaunch one or no such socket is named; the address itself
// for any other transport, which is left alone.
QByteArray sessionBusSocket(const QByteArray &address, const QByteArray &runtimeDir, bool runtimeBusExists);

// Whether a D-Bus server listens on the Unix socket (a leading '@' for the abstract namespace) and
// answers the start of a login within the time.
bool busAnswers(const QByteArray &socket, int milliseconds);
