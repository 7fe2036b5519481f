// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>

class Platform;
struct SharedValues;
namespace kit {
class Drawer;
}

// Writes the range as "Ja" does: the one way the program keeps it, on "Ja", a logout, the session
// manager's request and a lost display. Returns whether it is on disk.
bool keepRange(Platform &platform, const SharedValues &shared);

// How the program ends when it is not asked through its door. A desktop that logs out or shuts
// down asks its programs to end with SIGTERM (a terminal with SIGINT or SIGHUP); a session manager
// (XSMP: Xfce, KDE, and GNOME for X11 programs) asks them to save their data and later sends its
// "die"; the X server may go away under the program. In every case the child's range is kept and
// the program ends cleanly instead of being killed in the middle of a write.
//
// Signals are caught from the first thing in main. Before the application is made there is
// nothing to keep: a signal ends the program at once (a display server that never answers holds
// the application's constructor). Afterwards a signal waits in a pipe until the end object serves
// it from the first event loop that runs (a box's or the application's); should no loop come to
// it within a few seconds, the program ends without saving rather than not at all.
class ProgramEnd final : public QObject
{
public:
    // First thing in main: from now on a termination signal ends the program at once, with status
    // 1 and `words` on the terminal. A signal that was ignored when the program started (nohup, a
    // background job of a script) stays ignored.
    static void catchSignals(const QByteArray &words);
    // Once the application is made: a signal waits for the end object.
    static void holdSignals();

    // Serves the signals, the session manager and the display's loss from now on; `platform` and
    // `shared` must outlive it. Needs the application object.
    ProgramEnd(Platform &platform, const SharedValues &shared);
    ~ProgramEnd() override;
    ProgramEnd(const ProgramEnd &) = delete;
    ProgramEnd &operator=(const ProgramEnd &) = delete;

    // Whether the end has begun: the application's own event loop must not start then, since a
    // loop that is not running yet cannot be told to end.
    bool begun() const { return begun_; }

    // What a logout does: the range is kept as on "Ja", without a box, since nobody may be there
    // to close it and the desktop would wait for it; then the program ends. Once only.
    void endWithoutAsking();

    // When the display is lost, Qt ends the program before main's objects go: the picture thread
    // is stopped then, so it draws nothing while the libraries are torn down.
    void stopAtLoss(kit::Drawer &drawer) { drawer_ = &drawer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void keepWhenDisplayLost();
    bool keepOnce();
    void keepOrSay();

    Platform &platform_;
    const SharedValues &shared_;
    bool begun_ = false;
    kit::Drawer *drawer_ = nullptr;
};
