// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class Platform;
struct SharedValues;

// A desktop that logs out or shuts down asks its programs to end with SIGTERM (a terminal with
// SIGINT or SIGHUP). The program keeps the child's range and ends cleanly instead of being killed
// in the middle of a write, at any moment of its life: before its first window, while a box is
// open, before its event loop runs.

// Catches the termination signals from now on; call it first thing in main. A signal that was
// ignored when the program started (nohup, a background job of a script) stays ignored. A signal
// caught before endOnTerminationSignals waits for it.
void catchTerminationSignals();

// From the first event loop that runs on (a box's or the application's), `end` runs on the event
// thread, once, for the first signal caught; it is to save what must be kept and end every loop.
// Needs the application object.
void endOnTerminationSignals(std::function<void()> end);

// Whether a signal has ended the program: the application's own event loop must not start then,
// since a loop that is not running yet cannot be told to end.
bool endedBySignal();

// What a logout does: the range is kept as on "Ja", without a box, since nobody may be there to
// close it and the desktop would wait for it; then the program ends.
void endWithoutAsking(Platform &platform, const SharedValues &shared);
