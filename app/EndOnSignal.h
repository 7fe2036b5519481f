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
// A session manager's "die" (the application's Quit event) ends the program the same way, without
// the exit question. Needs the application object.
void endOnTerminationSignals(std::function<void()> end);

// A session manager (XSMP: Xfce, KDE, and GNOME for X11 programs) asks its programs to save their
// data before the session ends: `save` keeps the range then. The program asks not to be brought
// back at the next login: a child starts it when they want to play.
void followSessionManager(std::function<void()> save);

// Qt ends the process by itself when the X server goes away under it (a session whose end nobody
// announced, XWayland ending first). While a guard lives, `save` runs then, on the event thread,
// so the range is kept all the same. The guard must not outlive what `save` uses.
class SaveWhenDisplayLost
{
public:
    explicit SaveWhenDisplayLost(std::function<void()> save);
    ~SaveWhenDisplayLost();
    SaveWhenDisplayLost(const SaveWhenDisplayLost &) = delete;
    SaveWhenDisplayLost &operator=(const SaveWhenDisplayLost &) = delete;
};

// Whether a signal has ended the program: the application's own event loop must not start then,
// since a loop that is not running yet cannot be told to end.
bool endedBySignal();

// Writes the range as "Ja" does; a failure is said on the terminal, since no box may be shown then.
void keepRange(Platform &platform, const SharedValues &shared);

// What a logout does: the range is kept as on "Ja", without a box, since nobody may be there to
// close it and the desktop would wait for it; then the program ends.
void endWithoutAsking(Platform &platform, const SharedValues &shared);
