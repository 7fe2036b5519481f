// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Which of Qt's platforms the program runs on. The windows are placed by the program (centred,
// the number words over the start page), which only an X server allows: where one is reachable,
// also XWayland on a Wayland desktop, and the user chose no platform, the program takes it, and
// Wayland itself only when the X server does not answer.
QByteArray chosenPlatform(const QByteArray &display, const QByteArray &waylandDisplay, const QByteArray &userChoice);

// The program's command line with the chosen platform added for QApplication; it must outlive
// the application, which keeps the pointers.
class PlatformArguments
{
public:
    PlatformArguments(int argc, char *argv[]);
    PlatformArguments(const PlatformArguments &) = delete;
    PlatformArguments &operator=(const PlatformArguments &) = delete;

    int &count() { return count_; }
    char **values() { return values_.data(); }

private:
    QByteArray platform_;
    std::vector<char *> values_;
    int count_ = 0;
};

// What the program says when Qt could not start any platform, from what Qt said meanwhile: which
// platform is missing or which screen did not answer, in German, every line ending in a line feed.
QString platformFailureText(const QStringList &qtMessages, const QByteArray &display,
                            const QByteArray &waylandDisplay);

// Says it on the terminal and ends with status 1: nothing is broken that a core dump could show.
[[noreturn]] void endForNoPlatform(const QStringList &qtMessages);
