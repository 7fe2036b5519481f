// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

// Everything the program asks of the platform that a test cannot drive goes through these
// interfaces: the real implementations use Qt, the tests install doubles.

class Dialogs
{
public:
    enum class Answer { Yes, No };

    virtual ~Dialogs() = default;
    // Texts carry the program's own CR characters; the implementation decides how to show them.
    virtual void message(const QString &text, const QString &title) = 0;          // OK only, no icon
    virtual Answer question(const QString &text, const QString &title) = 0;       // Yes/No, No default
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &proposed) = 0;                        // "" on cancel
    virtual void beep() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual int secondsSinceMidnight() const = 0;
};

namespace seams {

Dialogs &dialogs();
// Installs a replacement (not owned); nullptr restores the Qt implementation.
void setDialogs(Dialogs *replacement);

Clock &clock();
void setClock(Clock *replacement);

// Ends the program at once: windows close without running their own closing code.
void endProgram();
void setEndProgram(std::function<void()> handler); // empty restores the default

} // namespace seams
