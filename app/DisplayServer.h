// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/QtPlatform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Which display server the program talks to (an X server, Wayland, or what QT_QPA_PLATFORM names)
// and how it connects to it. The windows are placed by the program (centred, the number words
// over the start page), which only an X server allows: where one is reachable, also XWayland on a
// Wayland desktop, and the user chose nothing else, the program takes it, and Wayland itself only
// when the X server does not answer.
QByteArray chosenDisplayServer(const QByteArray &display, const QByteArray &waylandDisplay,
                               const QByteArray &userChoice);

// What the program says when no display server could be used, from what Qt said meanwhile: which
// of Qt's plugins is missing or which screen did not answer, in German, every line ending in a
// line feed.
QString displayFailureText(const QStringList &qtMessages, const QByteArray &display, const QByteArray &waylandDisplay);

// What it says when the display server was reached but has no screen (a frame buffer that is not
// there), or never answered.
QString noScreenText(const QString &qtPlatform, const QByteArray &display, const QByteArray &waylandDisplay);
QString notAnsweringText(const QByteArray &display, const QByteArray &waylandDisplay, const QByteArray &userChoice);

// The connection to the display server, around the application's constructor: construct it
// before QApplication, with the command line, and call connected() right after. Until then Qt's
// own messages are held back: when no display server can be used Qt ends with an English fatal
// message and a core dump, and the program says what is wrong in German instead, with status 1.
// A display server that accepts the connection but never answers ends the program the same way
// after a few seconds.
class DisplayServer
{
public:
    DisplayServer(int argc, char *argv[]);
    ~DisplayServer();
    DisplayServer(const DisplayServer &) = delete;
    DisplayServer &operator=(const DisplayServer &) = delete;

    // Whether any display is named at all; without one the program says so and ends at once.
    static bool named();
    [[noreturn]] static void endUnnamed();

    // The command line with the chosen display server added, for QApplication, which keeps the
    // pointers.
    int &argumentCount() { return count_; }
    char **arguments() { return values_.data(); }

    // What to say when a signal ends the program while it waits for the display server.
    const QByteArray &notAnswering() const { return notAnswering_; }

    // The application has connected: ends the program if there is no screen to show a window on,
    // and lets the messages held go out as usual.
    void connected();

    // Runs without a screen to look at (the package check, a CI run) have no one to listen either:
    // they never start the speech service.
    static QtPlatform::Voice voiceFor(const QString &qtPlatform);

private:
    void stopWatching();

    QByteArray platform_;
    std::vector<char *> values_;
    int count_ = 0;
    QByteArray notAnswering_;
    std::mutex watching_;
    std::condition_variable answered_;
    bool connected_ = false;
    std::thread watchdog_;
};
