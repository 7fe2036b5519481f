// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kit {

// The message boxes and the clock, as the windows see them through kit::Platform: the real
// implementations use Qt, the tests hand in doubles.

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
    // A help box: shows `text` as message() does; a screen reader reads it as `sentence`, the
    // words F2 would say for it, where the text pictures a task in signs.
    virtual void help(const QString &text, const QString &title, const QString &sentence)
    {
        Q_UNUSED(sentence);
        message(text, title);
    }
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual int secondsSinceMidnight() const = 0;
};

// The time of day from the system.
class SystemClock final : public Clock
{
public:
    int secondsSinceMidnight() const override;
};

} // namespace kit
